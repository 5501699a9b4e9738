#PBIMPORT:SetCaption(caption.s, flags.l = 0)
#PBIMPORT:getcaption.s()
/****f* Gui/SetCaption
* NAME
*   SetCaption - sets the caption
* SYNOPSIS
*   SetCaption(caption.s, flags.l)
****
/****f* Gui/GetCaption.s
* NAME
*   GetCaption - returns the caption
* SYNOPSIS
*   caption$ = GetCaption()
****
