var inkwrightIndex = {entries: 5,
sections: "Stepper",
names: "Stepper\u000Astepper_configure\u000ASTEPPER_DEFAULT_AXIS\u000Astepper_move\u000Astepper_stage00_stage01_stage02_stage03_stage04_stage05_stage06_stage07_stage08_stage09_stage10_stage11_stage12_stage13_stage14_stage15_stage16_stage17_stage18_stage19_stage20_stage21_stage22_finished",
sectionOf: "0,0,0,0,0",
descriptions: "moves the axes of a machine by counted steps\u000Asets one axis up\u000Athe settings of a common axis, to start from\u000Aturns one axis by a number of steps\u000Aan entry whose name has two hundred characters and no blank",
hrefs: "\u000A\u000A\u000A\u000Astepper_stage00_stage01_stage02_stage03_stage04_stage05_stage06_stage07_stage08_stage09_stage10_stag-2f526a01.html"};
