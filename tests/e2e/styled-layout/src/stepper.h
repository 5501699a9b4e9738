/* The long lines are what the pages must hold, so the formatter leaves them. */
/* clang-format off */
/* Stepper -- drives the axes of a machine through step and direction drivers. */
#ifndef STEPPER_H
#define STEPPER_H

/****h* Stepper
 * NAME
 *   Stepper - moves the axes of a machine by counted steps
 * USAGE
 *   Fill one stepper_axis per axis, start from STEPPER_DEFAULT_AXIS, then:
 *   1. call stepper_configure once for each axis;
 *   2. call stepper_move for each move.
 ***/

/****s* Stepper/STEPPER_DEFAULT_AXIS
 * NAME
 *   STEPPER_DEFAULT_AXIS - the settings of a common axis, to start from
 * SOURCE
 */
#define STEPPER_DEFAULT_AXIS { .steps = 200, .micro = 16, .current = 1200, .accel = 4000, .speed = 8000, .hold = 1, .ramp = STEPPER_RAMP_S_CURVE, .limit = STEPPER_LIMIT_AT_BOTH_ENDS, .home = STEPPER_HOME_AT_MINIMUM, .invert = 0, .timer = STEPPER_TIMER_CHOSEN_AUTOMATICALLY, .name = "a machine axis" }
/***/

/****f* Stepper/stepper_configure
 * NAME
 *   stepper_configure - sets one axis up
 * SYNOPSIS
 */
int stepper_configure(struct stepper_axis *axis, const struct stepper_board *board);
/*
 * FUNCTION
 *   Copies the settings of axis into its driver, and checks each of them
 *   before the driver is touched:
 *   - steps and micro must be powers of 2,
 *     * up to 256 micro steps,
 *     * at least 200 full steps;
 *   - current is lowered to the board's limit.
 *
 *   3. A failed check leaves the driver as it was.
 *   4. The call may be repeated at any time.
 *
 *   The ramps that ramp may name:
 *   [TAB]
 *   STEPPER_RAMP_LINEAR - the speed grows by accel steps per second in each second
 *   STEPPER_RAMP_S_CURVE - STEPPER_RAMP_S_CURVE_WITH_JERK_LIMITED_TO_ONE_TENTH_OF_THE_ACCELERATION_PER_MILLISECOND_ON_BOTH_ENDS_OF_THE_RAMP
 *   STEPPER_RAMP_READ_FROM_THE_BOARD_AT_START_BY_STEPPER_LOAD_RAMPS - the board's own ramp
 *   [/TAB]
 *   For example, an axis from the defaults with a faster ramp:
 *       #define STEPPER_DEFAULT_AXIS { .steps = 200, .micro = 16, .current = 1200, .accel = 4000, .speed = 8000, .hold = 1, .ramp = STEPPER_RAMP_S_CURVE, .limit = STEPPER_LIMIT_AT_BOTH_ENDS, .home = STEPPER_HOME_AT_MINIMUM, .invert = 0, .timer = STEPPER_TIMER_CHOSEN_AUTOMATICALLY, .name = "a machine axis" }
 * INPUTS
 *   axis - the settings, from STEPPER_DEFAULT_AXIS or filled by hand
 *   board - the driver board, whose limit_of_the_coil_current_in_milliamperes_for_every_axis_on_this_board applies
 * NOTES
 *   An axis that is moving stops first.
 *   Its position is kept.
 ***/

/****f* Stepper/stepper_move
 * NAME
 *   stepper_move - turns one axis by a number of steps
 * FUNCTION
 *   Turns the axis by count steps and returns at once. An axis named as
 *   long as stepper_stage00_stage01_stage02_stage03_stage04_stage05_stage06_stage07_stage08_stage09_stage10_stage11_stage12_stage13_stage14_stage15_stage16_stage17_stage18_stage19_stage20_stage21_stage22_finished
 *   is moved like any other.
 ***/

/****f* Stepper/stepper_stage00_stage01_stage02_stage03_stage04_stage05_stage06_stage07_stage08_stage09_stage10_stage11_stage12_stage13_stage14_stage15_stage16_stage17_stage18_stage19_stage20_stage21_stage22_finished
 * NAME
 *   stepper_stage00_stage01_stage02_stage03_stage04_stage05_stage06_stage07_stage08_stage09_stage10_stage11_stage12_stage13_stage14_stage15_stage16_stage17_stage18_stage19_stage20_stage21_stage22_finished - an entry whose name has two hundred characters and no blank
 * FUNCTION
 *   Its name wraps in the heading, the navigation, the contents, the
 *   master index, the table of contents and the search results.
 ***/

#endif
