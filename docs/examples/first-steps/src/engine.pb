; The engine of a small wrapper library.

/****h* Core
* NAME
*   Core - the basic calls of the engine
****

/****f* Core/Begin
* NAME
*   Begin - starts the engine
* FUNCTION
*   Opens the window. Call Stop when you are done.
****
Procedure Begin()
EndProcedure

/****f* Core/Stop
* NAME
*   Stop - stops the engine
****
Procedure Stop()
EndProcedure
