; The engine's calls.
#PBIMPORT:Stop()
#PBIMPORT:Missing(x.l)
/****h* Core
* NAME
* Core - the engine's basic calls
****
/****f* Core/Begin
* NAME
* Begin - starts the engine
****
/****f* Core/BEGIN
* NAME
* BEGIN - one page with Begin on Windows
****
/****f* Core/Stop
* NAME
* Stop
****
/****f* Core/Same
* NAME
* Same - the first of two
****
/****f* Core/Bad\Name
* NAME
* Bad - a name with a backslash
****
/****f* Core/What?
* NAME
* What - a name with a question mark
****
/****f*
* NAME
* a block without a name
****
/****f* Core/Intro
* This line comes before the first tag.
* NAME
* Intro - text before the first tag
* RETURN VALUE
* none
****
