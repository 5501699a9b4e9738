; The screen.
/****f* Video/VideoDriver
* NAME
*   VideoDriver - picks a driver for Video and Videos
* NOTES
*   [TAB]
*   soft - software
*   gl - OpenGL
*   [/TAB]
*   See Stop.
****
/****f* Video/#Flags
* NAME
*   #Flags - flags of VideoDriver and #Flags
****
/****f* Video/Video
* NAME
*   Video - the screen
****
