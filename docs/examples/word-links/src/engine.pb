/****f* Core/Begin
* NAME
*   Begin - starts the engine
* FUNCTION
*   Starts the clock (see Stop,Pause) and the Stopwatch.
****

/****f* Core/Pause
* NAME
*   Pause - holds the clock
****

/****f* Core/Stop
* NAME
*   Stop - stops the engine
****
