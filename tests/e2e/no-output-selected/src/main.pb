/****f* Core/Begin
* NAME
*   Begin - starts
****
#PBIMPORT:Begin()
