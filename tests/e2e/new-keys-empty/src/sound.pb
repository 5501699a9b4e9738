; Sounds. The group has no header entry, so its heading in the master index links to no page.
/****f* Sound/Beep
* NAME
*   Beep - makes a sound
****
