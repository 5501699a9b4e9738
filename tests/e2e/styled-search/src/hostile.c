/****h* Hostile
 * NAME
 *   Hostile
 * FUNCTION
 *   Names and descriptions that must stay text.
 ***/

/****f* Hostile/<img src=x onerror="document.title='pwned'">
 * NAME
 *   An image
 * FUNCTION
 *   Would set the title if it were markup.
 ***/

/****f* Hostile/closer
 * NAME
 *   closer
 * FUNCTION
 *   Ends </script><script>document.title='pwned'</script> a script.
 ***/

/****f* Hostile/say "cheese"
 * NAME
 *   say "cheese"
 * FUNCTION
 *   Quotes "double" and 'single' \" and \' too.
 ***/

/****f* Hostile/back\slash\
 * NAME
 *   back\slash\
 * FUNCTION
 *   A path C:\dir\file and a trailing backslash\
 ***/
/****f* Hostile/line separator
 * NAME
 *   line separator
 * FUNCTION
 *   Joins two lines; and two paragraphs.
 ***/
