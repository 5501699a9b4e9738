/****h* Lib
* NAME
*   Lib - the library; see smooth and Tests.
****
/****f* Lib/smooth
* NAME
*   smooth - evens out a curve; see sharpen
****
/****f* Lib/sharpen
* NAME
*   sharpen - undoes smooth, as Tests show
****
/****f* Lib/Tests
* NAME
*   Tests - runs the tests of Lib
****
