/****h* Atomic Operations
 * NAME
 *   Atomic Operations -- counters that threads share
 ***/

/****f* Atomic Operations/atomic inc
 * NAME
 *   atomic inc - adds one
 * SEE ALSO
 *   atomic dec, atomic
 ***/

/****f* Atomic Operations/atomic dec
 * NAME
 *   atomic dec - takes one away; see atomic inc
 ***/

/****f* Atomic Operations/atomic
 * NAME
 *   atomic - the counter type used by atomic inc and atomic dec
 ***/
