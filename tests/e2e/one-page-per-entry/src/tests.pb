/****h* Tests
* NAME
*   Tests - the tests of smooth and sharpen.
****
/****f* Tests/smooth
* NAME
*   smooth - checks smooth of Lib; see Tests-smooth
****
/****f* Tests/Tests-smooth
* NAME
*   Tests-smooth - keeps its own name
****
