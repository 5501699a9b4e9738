;****f* Gui/OpenWindow
;* NAME
;*   OpenWindow - opens a window
;****
