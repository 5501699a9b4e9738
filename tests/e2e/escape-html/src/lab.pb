/****h* R&D
* NAME
*   R&D - lab calls
****
/****f* R&D/Mix&Match
* NAME
*   Mix&Match - returns a < b && "c"
* INPUTS
*   <t> - a type(t) & more
* NOTES
*   See Mix&Match.
*   x > y
****
