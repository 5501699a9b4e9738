/****f* Core/Begin
* NAME
*   Begin - starts the engine
* RETURN VALUE
*   Non-zero when the engine runs.
****
