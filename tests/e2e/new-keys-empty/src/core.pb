; The engine's start and stop.
/****h* Core
* NAME
*   Core - basic calls
****
/****f* Core/Begin
* NAME
*   Begin - starts the engine; call Stop later
* INPUTS
*   w - the width
*       in pixels
* NOTES
*   First call.
*   Then Video.
* INTERNAL
*   hidden
****
Procedure Begin(w)
EndProcedure
/****f* Core/Stop
* NAME
*   Stop - stops the engine
****
