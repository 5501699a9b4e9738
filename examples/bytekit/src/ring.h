/* ByteKit -- byte buffers for small systems. */
#ifndef BYTEKIT_RING_H
#define BYTEKIT_RING_H

#include <stddef.h>

/****h* ByteKit/Ring
 * NAME
 *   Ring -- a ring buffer of bytes
 * FUNCTION
 *   A fixed array used as a queue: bytes go in at the head and come out at the tail.
 ***/

/****s* Ring/ring_t
 * NAME
 *   ring_t
 * FUNCTION
 *   The state of one ring; set it up with ring_init.
 * SOURCE
 */
typedef struct {
    unsigned char *data;
    size_t size, head, tail;
} ring_t;
/***/

/****f* Ring/ring_init
 * NAME
 *   ring_init
 * FUNCTION
 *   ring_init - makes an empty ring over a caller's array.
 * SYNOPSIS
 */
void ring_init(ring_t *r, unsigned char *data, size_t size);
/*
 * INPUTS
 *   r - the ring
 *   data - the array that holds the bytes
 *   size - its length in bytes
 * SEE ALSO
 *   ring_put, ring_get
 ***/

/****f* Ring/ring_put
 * NAME
 *   ring_put
 * FUNCTION
 *   Stores one byte at the head.
 *   See the note on ring_t about its size.
 * SYNOPSIS
 */
int ring_put(ring_t *r, unsigned char b);
/*
 * RETURN VALUE
 *   1 when the byte was stored, 0 when the ring is full.
 * SEE ALSO
 *   ring_get
 ***/

/****f* Ring/ring_get
 * NAME
 *   ring_get
 * FUNCTION
 *   Takes the oldest byte from the tail.
 * SYNOPSIS
 */
int ring_get(ring_t *r);
/*
 * RETURN VALUE
 *   The byte, or -1 when the ring is empty.
 ***/

#endif
