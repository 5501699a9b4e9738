; Names that begin other names, and a name that is also an entity.
/****h* Audio
* NAME
*Audio - sound calls
****
/****f* Audio/Play
* NAME
*Play(Sound) plays it,Stop ends it
*	Stop after Play; PlaySound at once.
*Sound, Playing, RePlay, Play_2 and Play2; <b>Play</b> too.
*see <a href="x.html">Play Sound</a> or <i title="Stop">Stop</i>
****
/****f* Audio/PlaySound
* NAME
*PlaySound - Play &amp; Sound, in one
****
/****f* Audio/Sound
* NAME
*Sound
****
/****f* Audio/Stop
* NAME
*Stop - see Play
****
/****f* Audio/lt
* NAME
*lt - less than, as in a &lt; b
****
