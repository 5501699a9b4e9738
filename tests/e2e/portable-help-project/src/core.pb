/****h* Core
* NAME
*   Core - basic calls
****
/****f* Core/#Begin
* NAME
*   #Begin - starts
****
/****f* Core/Stop
* NAME
*   Stop - stops
****
