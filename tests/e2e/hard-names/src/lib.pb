/****h* Lib
* NAME
*   Lib - hard names; see page, Mode, smooth and toc.
****
/****f* Lib/:
* NAME
*   : - a colon; see ( and %
****
/****f* Lib/* ****
* NAME
*   * - a star, kept by the closing marker
****
/****f* Lib/(
* NAME
*   ( - an opening bracket
****
/****f* Lib/%
* NAME
*   % - a percent sign
****
/****f* Lib/
* NAME
*   an empty name
****
/****f* Lib/#Flags
* NAME
*   #Flags - a name with a hash; see Raw\Mode
****
/****f* Lib/Raw\Mode
* NAME
*   Raw\Mode - a backslash
****
/****f* Lib/Set Mode
* NAME
*   Set Mode - a blank; see Mode
****
/****f* Lib/€‚ƒ„…†‡ˆ‰Š‹Œ‘’“”•–—˜™š›œŸ ¡¢£¤¥¦§¨©ª«¬­®¯°±²³´µ¶·¸¹º»¼½¾¿ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏĞÑÒÓÔÕÖ×ØÙÚÛÜİŞßàáâãäåæçèéêëìíîïğñòóôõö÷øùúûüışÿ
* NAME
*   €‚ƒ„…†‡ˆ‰Š‹Œ‘’“”•–—˜™š›œŸ ¡¢£¤¥¦§¨©ª«¬­®¯°±²³´µ¶·¸¹º»¼½¾¿ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏĞÑÒÓÔÕÖ×ØÙÚÛÜİŞßàáâãäåæçèéêëìíîïğñòóôõö÷øùúûüışÿ - the bytes from 128 up
****
/****f* Lib/LongName012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789. yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy
* NAME
*   LongName012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789. yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy - 300 bytes
****
/****f* Lib/LongName012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789. zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz
* NAME
*   LongName012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789. zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz - 300 bytes too
****
/****f* Lib/CON
* NAME
*   CON - a device; see nul.txt
****
/****f* Lib/nul.txt
* NAME
*   nul.txt - a device too
****
/****f* Lib/toc
* NAME
*   toc - the name of the table of contents
****
/****f* Lib/masterindex
* NAME
*   masterindex - the name of the master index
****
/****f* Lib/search
* NAME
*   search - a name kept for a search page
****
/****f* Lib/page
* NAME
*   page - the name of nameless pages
****
/****f* Lib/a:b
* NAME
*   a:b - meets a-b and a-b-2
****
/****f* Lib/a-b
* NAME
*   a-b - keeps its name
****
/****f* Lib/a-b-2
* NAME
*   a-b-2 - keeps its name too
****
/****f* Lib/Mode
* NAME
*   Mode - differs from mode in case only
****
/****f* Lib/mode
* NAME
*   mode - differs from Mode in case only
****
/****f* Lib/smooth
* NAME
*   smooth - evens out; see Mode
****
