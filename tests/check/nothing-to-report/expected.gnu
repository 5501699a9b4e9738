inkwright-check: 1 files read, 2 blocks, 2 entries, 4 pages; warnings: config 0, block 0, name 0, link 0, binding 0, output 0
