/* Signal -- small filters for buffers of samples. */
#ifndef SIGNAL_FILTER_H
#define SIGNAL_FILTER_H

#include <stddef.h>

/* The ranges of flt_clip and flt_gain. */
#define FLT_NONE 0
#define FLT_UNIT 1
#define FLT_BYTE 2

/****h* Signal
 * NAME
 *   Signal - filters that work in place on buffers of samples
 * DESCRIPTION
 *   Every filter takes a buffer of doubles and its length, changes the
 *   samples in place and keeps no state between calls, so two threads
 *   may filter two buffers at once.
 *
 *   No filter allocates memory or fails: a length of 0 leaves the buffer
 *   as it was. Run flt_clip last when the samples go to a device.
 ***/

/****f* Signal/flt_smooth
 * NAME
 *   flt_smooth - averages each sample with its neighbours
 * FUNCTION
 *   Replaces each sample by the mean of the width samples around it.
 *   An even width is rounded up to the next odd one.
 *
 *   Near the ends of the buffer the mean is taken over the part of the
 *    window that lies inside it, so a buffer of count < width samples
 *    is still smoothed and never read out of bounds.
 *
 *   Smoothing a ramp of five samples:
 *
 *       double ramp[5] = {0, 1, 2, 3, 4};
 *       flt_smooth(ramp, 5, 3);
 *
 *       assert(ramp[0] == 0.5 && ramp[4] == 3.5);
 *
 *   Each call costs count * width additions & no memory.
 ***/
void flt_smooth(double *samples, size_t count, size_t width);

/****f* Signal/flt_clip
 * NAME
 *   flt_clip - limits every sample to a range
 * FUNCTION
 *   Sets each sample outside the range that mode names to the nearest
 *   end of that range:
 *   [TAB]
 *   FLT_UNIT - 0 to 1, for gains & weights
 *   FLT_BYTE - 0 to 255, so that a sample < 0 becomes 0
 *   [/TAB]
 *   A sample that is NaN becomes 0 under every mode.
 * RESULT
 *   The count of samples that were changed; 0 means that the buffer
 *   was inside the range already.
 ***/
size_t flt_clip(double *samples, size_t count, int mode);

/****f* Signal/flt_gain
 * NAME
 *   flt_gain - multiplies every sample by a factor
 * FUNCTION
 *   Multiplies each sample by factor, then limits the result with
 *   flt_clip unless mode is FLT_NONE. To smooth and halve a buffer of
 *   audio and report the samples that still had to be clipped:
 *	flt_smooth(buf, count, 3);
 *	n = flt_gain(buf, count, 0.5, FLT_UNIT);
 *	if (n > 0)
 *	    fprintf(stderr, "%zu samples clipped", n);
 * RESULT
 *   What flt_clip returned, or 0 under FLT_NONE.
 ***/
size_t flt_gain(double *samples, size_t count, double factor, int mode);

#endif
