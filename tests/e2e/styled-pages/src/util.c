/****f* Util/content
 * NAME
 *   content - the content of a buffer
 ***/

/****f* Util/name
 * NAME
 *   name - the name of a buffer
 ***/

/****f* Util/type
 * NAME
 *   type - the type of a buffer
 ***/

/****f* Util/search
 * NAME
 *   search - finds a byte in a buffer
 ***/

/****f* Util/_reset
 * NAME
 *   _reset - empties a buffer
 ***/

/****f* 3d
 * NAME
 *   3d - a page of no group
 ***/
