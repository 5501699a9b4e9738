/****h* Lib
 * NAME
 *   Lib - what wraps the library of the vendor
 ***/

/****h* Lib / Vendor Api
 * NAME
 *   Vendor Api - the calls into the library of the vendor
 ***/

/****f* Vendor Api	/ vendor open
 * NAME
 *   vendor open - opens the link; vendor close ends it
 ***/

/****f* Lib/ vendor close
 * NAME
 *   vendor close - ends the link that vendor open made
 ***/
