/*
*******************************************************************************
* geom.h -- plane geometry
*******************************************************************************
*/

/****h* Geometry Kit/Plane Vectors
* NAME
*   Plane Vectors
* PURPOSE
*   Vectors of the plane.
*********/

/****f* Plane Vectors/vec_add ***
* NAME
*   vec_add
* PURPOSE
*   Adds two vectors.
* See the note on overflow.
* SYNOPSIS
*/
vec_t vec_add(vec_t a, vec_t b);
/*
* RETURN VALUE
*   The sum, as vec_len measures it.
* SEE ALSO
*   vec_len
*********/

/****f* Plane Vectors/vec_len
* NAME
*   vec_len -- length of a vector
* SYNOPSIS
*/
double vec_len(vec_t v);
/**********/
