/****f*  Gui/CloseWindow
* NAME
*   CloseWindow - closes a window
****
