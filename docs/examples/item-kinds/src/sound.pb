/****f* Sound/PlaySound
* NAME
*   PlaySound - plays a sound file
* FUNCTION
*   Plays the file once, or again and again.
*   It returns at once. The modes:
*   [TAB]
*   0 - once
*   1 - in a loop
*   [/TAB]
* INPUTS
*   file - the path of a .wav or .ogg file
*   loop - 1 to play it again and again,
*          0 to play it once
* NOTES
*   Only one sound plays at a time.
*   A second call stops the first sound.
* EXAMPLE
*   If PlaySound("intro.ogg", 0)
*     Debug "playing"
*   EndIf
* INTERNAL
*   Opens the mixer on first use.
****
