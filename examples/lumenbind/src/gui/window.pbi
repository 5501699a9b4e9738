; LumenBind - gui elements drawn by the engine.

#PBIMPORT:lbAddButton(x.l, y.l, w.l, h.l, text.s)
#PBIMPORT:lbAddWindow(x.l, y.l, w.l, h.l, title.s, modal.b = 0)
#PBIMPORT:lbGuiEvent.l()

/****h* Gui
* NAME
*   Gui - windows and buttons inside the engine window
* FUNCTION
*   The gui is drawn after the scene; use lbGuiEvent in your loop.
****

/****f* Gui/lbAddButton
* NAME
*   lbAddButton - adds a button to the gui
* SYNOPSIS
*   id = lbAddButton(x.l, y.l, w.l, h.l, text.s)
* INPUTS
*   x, y - the position of the button
*   w, h - its size
*   text - its caption
* RESULT
*   The id of the button, for lbGuiEvent.
****

/****f* Gui/lbAddWindow
* NAME
*   lbAddWindow - adds a window to the gui
* SYNOPSIS
*   id = lbAddWindow(x.l, y.l, w.l, h.l, title.s, modal.b)
****

/****f* Gui/lbGuiEvent
* NAME
*   lbGuiEvent - the id of the element the user clicked, or 0
* SYNOPSIS
*   id = lbGuiEvent()
* PBINLINE
*   Macro lbWaitGuiEvent(id)
*     Repeat : id = lbGuiEvent() : Until id
*   EndMacro
****
