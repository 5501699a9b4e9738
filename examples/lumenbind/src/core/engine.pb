; LumenBind - engine start-up and shut-down.
; Every procedure of the wrapper is declared for the import file by a #PBIMPORT line.

#PBIMPORT:lbBegin(width.l = 800, height.l = 600, flags.l = 0)
#PBIMPORT:lbStop()
#PBIMPORT:lbRun.l()

/****h* Core
* NAME
*   Core - starting, running and stopping the engine
* FUNCTION
*   The Core calls bring the engine up, drive its main loop and take it
*   down again. Call lbBegin first and lbStop last.
****

/****f* Core/lbBegin
* NAME
*   lbBegin - starts the engine and opens its window
* SYNOPSIS
*   ok = lbBegin(width.l, height.l, flags.l)
* FUNCTION
*   Starts the engine with a window of the given size. Nothing else works
*   before lbBegin has returned a non-zero value. The flags:
*   [TAB]
*   #LB_FULLSCREEN - fill the screen
*   #LB_VSYNC - wait for the vertical retrace
*   [/TAB]
* INPUTS
*   width  - the width of the window in pixels
*   height - the height of the window in pixels
*   flags  - a combination of the flags above, or 0
* RESULT
*   Non-zero when the engine runs.
* NOTES
*   The window is centred on the primary screen.
*   Call lbStop before the program ends.
* EXAMPLE
*   If lbBegin(1024, 768, #LB_VSYNC)
*     While lbRun()
*     Wend
*     lbStop()
*   EndIf
* SEEALSO
*   lbStop, lbRun
****

/****f* Core/lbStop
* NAME
*   lbStop - stops the engine and frees everything it holds
* SYNOPSIS
*   lbStop()
* FUNCTION
*   Closes the window and releases every object of the scene, the sound
*   system and the physics world. Safe to call twice.
* SEEALSO
*   lbBegin
****

/****f* Core/lbRun
* NAME
*   lbRun - handles the events of one frame
* SYNOPSIS
*   running = lbRun()
* RESULT
*   Zero once the user has closed the window; lbStop is then due.
* PBINLINE
*   Macro lbMainLoop()
*     While lbRun()
*   EndMacro
****

Procedure.l lbRun()
  ProcedureReturn lbRun_()
EndProcedure
