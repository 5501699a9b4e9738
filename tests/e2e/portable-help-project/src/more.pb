/****f* Core/Stop
* NAME
*   Stop - stops
****
