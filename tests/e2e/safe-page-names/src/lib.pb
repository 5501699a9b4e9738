/****h* Lib
* NAME
*   Lib - names that need safe page files
****
/****f* Lib/a:b
* NAME
*   a:b - meets a-b and a-b-2
****
/****f* Lib/a-b
* NAME
*   a-b - keeps its name
****
/****f* Lib/a-b-2
* NAME
*   a-b-2 - keeps its name too
****
/****f* Lib/a - b
* NAME
*   a - b - each blank is a dash
****
/****f* Lib/#Flags
* NAME
*   #Flags - keeps only Flags
****
/****f* Lib/Get*Ptr
* NAME
*   Get*Ptr - one dash for the star
****
/****f* Lib/(
* NAME
*   ( - has no safe byte at all
****
/****f* Lib/50%
* NAME
*   50% - loses the dash at its end
****
/****f* Lib/Größe
* NAME
*   Größe - one dash for the bytes from 128 up
****
