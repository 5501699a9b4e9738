/****h* Menu
 * NAME
 *   Menu
 * FUNCTION
 *   What the cafÈ serves.
 ***/

/****f* Menu/cafÈ
 * NAME
 *   cafÈ
 * FUNCTION
 *   Coffee for Ä5, ìquotedî as Åis.
 ***/

/****f* Menu/Cafe
 * NAME
 *   Cafe
 * FUNCTION
 *   The plain name.
 ***/
