/****h* Gui
* NAME
*   Gui - the calls that open and close windows
****

/****f* Gui/OpenWindow
* NAME
*   OpenWindow - opens a window
This line has no star, so it is lost.
* SYNOPSIS
*   id = OpenWindow(width, height)
* SOURCE
Procedure OpenWindow(width, height)

  ProcedureReturn 1
EndProcedure
****
