#ifndef RING_H
#define RING_H

/****h* Ring
 * NAME
 *   Ring -- a ring buffer of bytes
 ***/

/****f* Ring/ring_put
 * NAME
 *   ring_put
 * FUNCTION
 *   ring_put - stores one byte.
 *   Returns 0 when the ring is full.
 * SYNOPSIS
 */
int ring_put(ring_t *r, unsigned char b);
/*
 ***/

/****f* Ring/ring_get
 * NAME
 *   ring_get
 * FUNCTION
 *   Takes the oldest byte, as stored by ring_put.
 * SOURCE
 */
int ring_get(ring_t *r)
{
    return r->data[r->tail++];
}
/***/

#endif
