/****h* Core
 * NAME
 *   Core - basic calls of the engine
 * FUNCTION
 *   Start with Begin, end with Stop.
 ***/

/****f* Core/Begin
 * NAME
 *   Begin - starts the engine
 * FUNCTION
 *   Call Begin once, then:
 *   1. Middle, as often as needed;
 *   2. Stop.
 *   A name such as content, type or name in the text is linked.
 ***/

/****f* Core/Middle
 * NAME
 *   Middle - runs one step
 ***/

/****f* Core/Stop
 * NAME
 *   Stop - stops the engine
 * FUNCTION
 *   After Stop, Begin may be called again.
 ***/
