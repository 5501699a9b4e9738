/****f* Util/Clamp
* NAME
*   Clamp - keeps a value in range
* PBINLINE
*   Macro Clamp(v, lo, hi)
*   EndMacro
****
