; No blank after the line marker: a value that began with one would link its own entry's name.
/****f* Core/Begin
* NAME
*Begin - starts the engine; call Stop later
****
/****h* Core
* NAME
*Core - basic calls
****
/****f* Core/Stop
* NAME
*Stop - stops the engine
****
