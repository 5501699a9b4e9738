; Core procedures of the wrapper.
#PBIMPORT:Begin(width.l = 800, height.l = 600, title.s)
/****f* Core/Begin
* NAME
*   Begin - opens the engine window
* SYNOPSIS
*   ok = Begin(width.l, height.l, title.s)
* PBINLINE
*   Macro BeginDefault()
*     Begin(800, 600, "")
*   EndMacro
****
#PBIMPORT:Stop()
/****f* Core/Stop
* NAME
*   Stop - closes the window
*   and ends the run
* SYNOPSIS
*   Stop()
****
#PBIMPORT: Tick (delta.f)
