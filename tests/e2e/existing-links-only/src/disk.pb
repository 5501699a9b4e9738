/****h* Disk
* NAME
*   Disk - disk calls
****
/****f* Disk/#Flags
* NAME
*   #Flags - see Send+Recv and Raw\Mode
****
/****f* Disk/Raw\Mode
* NAME
*   Raw\Mode - never written; see #Flags
****
/****f* Net/Send+Recv
* NAME
*   Send+Recv - uses #Flags
****
