/****f* Mixer/FadeTo
* NAME
*   FadeTo - moves the volume of a channel to a new level
* FUNCTION
*   Changes the volume of one channel step by step, so that
*   the sound neither jumps nor clicks.
*
*   A fade runs in three stages:
*   1. the current level is read,
*   2. the steps are worked out from the time given,
*      one step per frame at most,
*   3. the steps are played.
*
*   The time may be given as:
*   - ms - milliseconds
*   - frames -- a count of frames
*   - 0 - no fade: the level is set at once
*
*   For example:
*       FadeTo(#Music, 40, 500)
*       While IsFading(#Music)
*         Delay(10)
*       Wend
*
*   The channels:
*   [TAB]
*   #Music - the background music
*   #Effects - the sound effects
*   [/TAB]
* NOTES
*   Only one fade runs on a channel.
*   A new fade replaces the old one.
*
****

/****f* Mixer/IsFading
* NAME
*   IsFading - tells whether a fade runs on a channel
****
