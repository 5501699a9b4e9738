/****h* Sound
* NAME
*   Sound - plays sounds; see PlaySound and Play.
****
/****f* Sound/PlaySound
* NAME
*   PlaySound - plays a sound; PlaySound calls Play and Stop
****
/****f* Sound/Play
* NAME
*   Play - starts PlaySound; Play again restarts it
****
/****f* Sound/Stop
* NAME
*   Stop - ends what Play and PlaySound started
****
/****f* Sound/toc
* NAME
*   toc - an entry whose page the table of contents takes
****
