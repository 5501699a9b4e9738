inkwright.cfg:7: warning: the "output format" selects no output: it names none of HTML, HTMLHELP, IMPORTFILE, JAPBE and USERLIB [config.no-output-selected]
inkwright-check: 1 files read, 2 blocks, 2 entries, 0 pages; warnings: config 1, block 0, name 0, link 0, binding 0, output 0
