/****f* Core/Same
* NAME
****
/****f* Gui/Same
* NAME
****
