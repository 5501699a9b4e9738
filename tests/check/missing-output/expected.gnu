inkwright.cfg:6: warning: the output directory "out
/" does not exist; no file is written [config.missing-output-path]
inkwright.cfg:7: warning: the value of "output path" ends in a line feed, since this empty line stands before the next key [config.trailing-line-feed]
src/a.pb:1: warning: no entry documents the import "Begin()": no entry is named "Begin" [binding.undocumented-import]
inkwright-check: 1 files read, 0 blocks, 0 entries, 0 pages; warnings: config 2, block 0, name 0, link 0, binding 1, output 0
