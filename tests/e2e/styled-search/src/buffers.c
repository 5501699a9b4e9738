/****h* Buffers
 * NAME
 *   Buffers
 * FUNCTION
 *   Growable byte buffers.
 ***/

/****f* Buffers/buf_append
 * NAME
 *   buf_append
 * FUNCTION
 *   Appends bytes to a buffer, growing it.
 ***/

/****f* Buffers/buf_appendf
 * NAME
 *   buf_appendf
 * FUNCTION
 *   Appends formatted text to a buffer.
 ***/

/****f* Buffers/buf_find
 * NAME
 *   buf_find
 * FUNCTION
 *   Scans a buffer for a byte.
 ***/

/****f* Buffers/buf_index
 * NAME
 *   buf_index
 * FUNCTION
 *   The place of a byte: rescans the whole buffer each time.
 ***/

/****f* Buffers/rescan
 * NAME
 *   rescan
 * FUNCTION
 *   Reads the buffer again.
 ***/

/****f* Buffers/scan
 * NAME
 *   scan
 * FUNCTION
 *   Reads the buffer once.
 ***/

/****f* Buffers/scanner
 * NAME
 *   scanner
 * FUNCTION
 *   Holds the state of a scan, and the summer (été) words.
 ***/
