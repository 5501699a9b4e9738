/****f* Core/Open
* NAME
* Open - this block never ends
