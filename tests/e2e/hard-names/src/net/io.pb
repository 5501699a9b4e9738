/****f* Net:Io/Mode
* NAME
*   Mode - the mode of a link; see smooth and Mode
****
/****f* Net:Io/Send Recv
* NAME
*   Send Recv - sends, then receives; see Set Mode
****
