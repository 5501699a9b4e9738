/****f* Core/Begin
* NAME
*   Begin - starts the engine
****
