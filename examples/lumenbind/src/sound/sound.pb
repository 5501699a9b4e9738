; LumenBind - sound playback.

#PBIMPORT:lbPlaySound(file.s, loop.b = #False)
#PBIMPORT:lbStopSounds()
#PBIMPORT: lbSoundVolume(volume.f)

/****h* Sound
* NAME
*   Sound - playing sound files next to the scene
****

/****f* Sound/lbPlaySound
* NAME
*   lbPlaySound - plays a sound file
* SYNOPSIS
*   sound = lbPlaySound(file.s, loop.b)
* INPUTS
*   file - a wav or ogg file
*   loop - #True to repeat it until lbStopSounds
****

/****f* Sound/lbStopSounds
* NAME
*   lbStopSounds - stops every sound
* SYNOPSIS
*   lbStopSounds()
****
