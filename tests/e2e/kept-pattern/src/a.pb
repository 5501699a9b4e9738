/****f* Core/Alpha
* NAME
*   Alpha - read with the default markers
****
;{f Core/NotInA
; NAME
;   NotInA - never read
;}
