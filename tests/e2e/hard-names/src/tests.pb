/****h* Tests
* NAME
*   Tests - the tests of smooth and Mode.
****
/****f* Tests/smooth
* NAME
*   smooth - checks smooth; see Mode and mode
****
/****f* Tests/Mode
* NAME
*   Mode - checks Mode; see smooth
****
