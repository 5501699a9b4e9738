;{f Core/Beta
; NAME
;   Beta - read with the markers of the empty pattern, after Alpha
;}
/****f* Core/NotInB
* NAME
*   NotInB - never read
****
