/* ByteKit -- byte buffers for small systems. */
#ifndef BYTEKIT_STRBUF_H
#define BYTEKIT_STRBUF_H

#include <stddef.h>

/****h* ByteKit/Strbuf
 * NAME
 *   Strbuf -- a growing string
 * FUNCTION
 *   A text that grows as it is appended to, always ended by a zero byte.
 ***/

/****f* Strbuf/strbuf_append
 * NAME
 *   strbuf_append
 * FUNCTION
 *   strbuf_append -- appends a text, growing the buffer when needed.
 *
 *   When the text does not fit in the room that is left, the buffer grows:
 *   - to twice its size, or to the size the text needs when that is more;
 *   - with one call of realloc, so s->text may point elsewhere afterwards.
 *
 *   The zero byte at the end moves along, so s->text stays a C string.
 *   Appending the empty text changes nothing.
 * SYNOPSIS
 */
int strbuf_append(strbuf_t *s, const char *text);
/*
 * RETURN VALUE
 *   0, or -1 when no memory was left; the buffer is then unchanged.
 * SEE ALSO
 *   strbuf_free
 ***/

/****f* Strbuf/strbuf_free
 * NAME
 *   strbuf_free
 * FUNCTION
 *   Gives the buffer's memory back.
 * SOURCE
 */
static inline void strbuf_free(strbuf_t *s)
{
    free(s->text);
    s->text = NULL;
    s->length = 0;
}
/***/

#endif
