/****f* #Flags
* NAME
*use #Flags
****
/****H* Lib
* NAME
*see Lib and Bad\Name
****
/****f* Lib/Bad\Name
* NAME
*not written
****
/****f*
* NAME
*nameless entry
****
/****f* A/Same
* NAME
*first
****
/****f* B/Same
* NAME
*second
****
