/****f* Lib/Index
 * NAME
 *   Index - finds an entry; see Search
 ***/

/****f* Lib/Search
 * NAME
 *   Search - looks up a key with Index
 ***/

/****f* Lib/search-2
 * NAME
 *   search-2 - the second way to search
 ***/
