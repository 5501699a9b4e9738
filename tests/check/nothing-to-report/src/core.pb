/****h* Core
* NAME
* Core - the basic calls
****
/****f* Core/Begin
* NAME
* Begin - starts
****
