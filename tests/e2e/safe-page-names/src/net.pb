/****h* Net:Io
* NAME
*   Net:Io - devices and index names, as CON.
****
/****f* Net:Io/CON
* NAME
*   CON - a device name of Windows
****
/****f* Net:Io/nul.txt
* NAME
*   nul.txt - a device name whatever follows the dot
****
/****f* Net:Io/toc
* NAME
*   toc - the table of contents has the name
****
/****f* Net:Io/Raw\Mode
* NAME
*   Raw\Mode - gets a page, the backslash made a dash
****
