/****f* Lib/Open
* NAME
*   Open - opens
* NOTES
* SEEALSO
*   	
*
* RESULT
*   1
****
