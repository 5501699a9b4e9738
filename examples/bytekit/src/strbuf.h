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
