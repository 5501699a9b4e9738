; LumenBind - video drivers and the screen.

#PBIMPORT:lbVideoDriver(driver.l)
#PBIMPORT:lbSetCaption(caption.s, flags.l = 0)
#PBIMPORT:lbScreenShot(file.s, quality.f = 0.9)

/****h* Video
* NAME
*   Video - choosing a driver and drawing to the screen
****

/****f* Video/lbVideoDriver
* NAME
*   lbVideoDriver - selects the video driver before lbBegin
* SYNOPSIS
*   ok = lbVideoDriver(driver.l)
* INPUTS
*   driver - one of #LB_DRIVER_SOFTWARE, #LB_DRIVER_OPENGL
* NOTES
*   Must be called before lbBegin; later calls have no effect.
****

/****f* Video/lbSetCaption
* NAME
*   lbSetCaption - sets the caption of the window
* SYNOPSIS
*   lbSetCaption(caption.s, flags.l)
* INPUTS
*   caption - the new caption
*   flags   - reserved, pass 0
****

/****f* Video/lbScreenShot
* NAME
*   lbScreenShot - saves the screen as an image file
* SYNOPSIS
*   ok = lbScreenShot(file.s, quality.f)
* INPUTS
*   file    - the path of the image; its ending picks the format
*   quality - from 0.0 to 1.0, for formats that compress
* SOURCE
Procedure.l lbScreenShot(file.s, quality.f = 0.9)
  ProcedureReturn lbScreenShot_(file, quality)
EndProcedure
****
