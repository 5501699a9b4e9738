/* Stepper -- drives one stepper motor through a step and direction driver. */
#ifndef STEPPER_MOTOR_H
#define STEPPER_MOTOR_H

/****h* Motor
 * NAME
 *   Motor - turns a stepper motor by counted steps
 * USAGE
 *   A program needs two things besides this module:
 *   - a filled motor_cfg for its driver board,
 *   - a timer interrupt that calls motor_tick 10000 times a second.
 *   1. motor_config - once, before the first move;
 *   2. start - for each move, and halt to end a move early.
 ***/

/****f* Motor/motor_config
 * NAME
 *   motor_config - sets the driver up for a motor
 * FUNCTION
 *   Copies the settings of cfg into the driver. The fields that it reads:
 *   - steps -- full steps per turn, 200 for most motors
 *   - microsteps -- 1, 2, 4, 8 or 16
 *   - current - the coil current in milliamperes; a value above the
 *     board's limit is lowered to that limit
 *   - the ramp fields, which only halt reads
 *
 *   It may be called again at any time: a motor that is turning stops
 *   first, as after halt with HALT_RAMP.
 * RESULT
 *   <b>0</b>, or -1 when microsteps is not a power of 2.
 ***/
int motor_config(const struct motor_cfg *cfg);

/****f* Motor/start
 * NAME
 *   start - turns the motor by a number of steps
 * FUNCTION
 *   Turns the motor by count steps in the direction dir and returns at
 *   once; motor_tick does the stepping. A move runs in these stages:
 *
 *   1. The coils are switched on and given 2 ms to settle.
 *   2. The speed ramps up
 *      * from 10 steps per second,
 *      * by accel steps per second in each second,
 *      * until it reaches speed.
 *   3. The motor turns at speed until count steps are done.
 *
 *   The last two stages belong to halt, which a finished move calls:
 *
 *   4) The speed ramps down to 10 steps per second.
 *   5) The coils are switched off, unless hold is set.
 * RESULT
 *   0, or -1 while another move is running.
 ***/
int start(long count, int dir, int speed, int accel, int hold);

/****f* Motor/halt
 * NAME
 *   halt - ends the move that start began
 * FUNCTION
 *   Ends the move of the last start call. How it ends depends on mode:
 *   + HALT_RAMP - ramps down at the rate set by motor_config, then
 *     holds the rotor.
 *
 *   + HALT_NOW - switches the coils off at once; the rotor may run on
 *     by up to one full step.
 *   + HALT_FREE - like HALT_NOW, and the coils stay off.
 * 
 *   Calling it while no move runs does nothing.
 *
 *   start may be called again as soon as it returns.
 ***/
void halt(int mode);

#endif
