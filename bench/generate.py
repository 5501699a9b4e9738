#!/usr/bin/env python3
"""Writes a generated wrapper library for the benchmark: ENTRIES documented procedures in groups of
about forty, each with a header entry, a "#PBIMPORT:" directive, several KB of tags whose prose
names other entries (its FUNCTION text ending in a numbered list, "term - text" items and an
indented example, which "readable text" makes blocks of), and a configuration that selects every
output. With --extensions the
configuration also turns on every comment-style key: marker lists that hold the usual markers,
code items, a description item and the four block switches, so that the same sources go through
the extended reader. With --short, each procedure gets about one KB of tags instead, as in a
library whose pages are mostly short.
Usage: generate.py ENTRIES DIRECTORY [--extensions] [--short]"""
import os
import random
import sys

VERBS = ["Get", "Set", "Create", "Free", "Load", "Save", "Draw", "Play", "Stop", "Open", "Close",
         "Add", "Remove", "Find", "Update", "Reset", "Start", "Pause", "Resume", "Copy", "Clear"]
NOUNS = ["Window", "Sprite", "Sound", "Texture", "Mesh", "Camera", "Light", "Shader", "Font",
         "Image", "Buffer", "Timer", "Event", "Joint", "Body", "Scene", "Node", "Path", "Stream",
         "Gadget", "Menu", "Socket", "File", "Thread", "Screen", "Channel", "Particle", "Layer"]
PARTS = ["", "Title", "Size", "Position", "Color", "Mode", "Data", "State", "Flags", "Count",
         "Width", "Height", "Name", "Handle", "Speed", "Volume", "Alpha", "Angle", "Scale"]
WORDS = ("the a of to and in is it that for on with as be by this are from at or an which when "
         "value window engine call returns zero non-zero handle object before after every each "
         "created freed pixels seconds flag given current new old default parameter result error "
         "function procedure library list first last next previous may must should will only "
         "also other than more less both either none some all any such same").split()
TYPES = [".l", ".s", ".f", ".d", ".i", ".b", ".w", ".q"]


def entry_names(count, rng):
    names = []
    seen = set()
    serial = 0
    while len(names) < count:
        name = "lb" + rng.choice(VERBS) + rng.choice(NOUNS) + rng.choice(PARTS)
        if name in seen:
            serial += 1
            name += str(serial)
        seen.add(name)
        names.append(name)
    return names


def prose(rng, names, lines):
    text = []
    for _ in range(lines):
        words = []
        while sum(len(w) + 1 for w in words) < 68:
            words.append(rng.choice(names) if rng.random() < 0.08 else rng.choice(WORDS))
        text.append("*   " + " ".join(words))
    return text


def block_head(rng, group, name, params):
    """The block-start line and the NAME, SYNOPSIS and FUNCTION tag lines of a procedure."""
    return ["/****f* %s/%s" % (group, name),
            "* NAME",
            "*   %s - %s" % (name, " ".join(rng.choice(WORDS) for _ in range(6))),
            "* SYNOPSIS",
            "*   result = %s(%s)" % (name, ", ".join(params)),
            "* FUNCTION"]


def short_block(rng, group, name, names):
    params = ["%s%s" % (p, rng.choice(TYPES)) for p in rng.sample(["x", "y", "id", "text"], 2)]
    lines = block_head(rng, group, name, params)
    lines += prose(rng, names, 6)
    lines += ["* RESULT", "*   Non-zero when %s succeeds." % name, "* SEE ALSO",
              "*   " + ", ".join(rng.sample(names, 2)), "* PBINLINE",
              "*   Procedure.l %s_(%s)" % (name, ", ".join(params)), "*   EndProcedure", "****", ""]
    return lines


def words(rng, names, count):
    return " ".join(rng.choice(names) if rng.random() < 0.08 else rng.choice(WORDS)
                    for _ in range(count))


def steps(name, names, params):
    """What the FUNCTION text of a procedure says after its prose, laid out as authors lay out
    plain text: a numbered list, the second item continued on the next line, the third holding
    "term - text" items, then an example indented deeper. Drawn from a generator of its own, so
    that every other line stays what it was before these lines were added."""
    rng = random.Random("steps " + name)
    return ["*",
            "*   %s goes through these steps:" % name,
            "*   1. %s" % words(rng, names, 9),
            "*   2. %s" % words(rng, names, 10),
            "*      %s" % words(rng, names, 6),
            "*   3. %s:" % words(rng, names, 5)] + [
            "*      * %s - %s" % (param.split(".")[0], words(rng, names, 7)) for param in params] + [
            "*",
            "*   For example:",
            "*",
            "*       If %s(%s)" % (name, ", ".join("0" for _ in params)),
            "*         %s()" % rng.choice(names),
            "*       EndIf"]


def block(rng, group, name, names):
    params = ["%s%s" % (p, rng.choice(TYPES)) for p in rng.sample(["x", "y", "w", "h", "flags",
                                                                   "mode", "id", "text"], 3)]
    lines = block_head(rng, group, name, params)
    lines += prose(rng, names, 24) + steps(name, names, params)
    lines += ["* INPUTS"]
    for param in params:
        lines += ["*   %s - %s" % (param.split(".")[0], " ".join(rng.choice(WORDS) for _ in range(8))),
                  "*       " + " ".join(rng.choice(WORDS) for _ in range(7))]
    lines += ["* RESULT", "*   Non-zero when %s succeeds." % name, "* NOTES", "*   [TAB]"]
    lines += ["*   #LB_%s_%d - %s" % (name.upper(), i, rng.choice(names)) for i in range(4)]
    lines += ["*   [/TAB]"] + prose(rng, names, 4)
    lines += ["* EXAMPLE", "*   If %s(%s)" % (name, ", ".join("0" for _ in params)),
              "*     %s()" % rng.choice(names), "*   EndIf", "* SEE ALSO",
              "*   " + ", ".join(rng.sample(names, 4)), "* PBINLINE",
              "*   Procedure.l %s_(%s)" % (name, ", ".join(params)), "*   EndProcedure", "****", ""]
    return lines


CONFIG = """# A generated library for the benchmark.
[source path]
src
[accept files]
*.pb
[ignore files]
*.bak
[output path]
out\\
[output format]
HTMLHELP IMPORTFILE JAPBE USERLIB
[document title]
Generated Library
[items]
NAME
FUNCTION
RESULT
SEE ALSO
[line items]
NOTES
[source items]
SYNOPSIS
EXAMPLE
[tab items]
INPUTS
[ignore items]
PBINLINE
[template:page]
<html><head><title>@@NAME@@ - @@SECTION@@</title><link rel="stylesheet" href="style.css"></head><body><p><a href="masterindex.html">Index</a> | <a href="toc.html">Contents</a> | @@SECTION@@</p><h1>@@NAME@@</h1>@@TAGS@@@@FOOTER@@</body></html>
[template:tag]
<div class="tag-@@TAG-LOWER@@"><h2>@@TAG@@</h2><p>@@VALUE@@</p></div>
[replacer:FOOTER]
<hr><p class="footer">Generated Library - reference</p>
[additional files]
style.css
[importfile]
library.pbi
[japbefile]
library.txt
[userlibfile]
library.desc
"""


EXTENSIONS = """[block starts]
/****
[block ends]
****
[line starts]
*
[code items]
PBINLINE
[description item]
FUNCTION
[options]
indented markers
whole header name
whole tag names
marked tags only
"""


def main(count, root, extensions, make_block):
    rng = random.Random(count)
    names = entry_names(count, rng)
    os.makedirs(root, exist_ok=True)
    with open(os.path.join(root, "inkwright.cfg"), "w", newline="\n") as config:
        config.write(CONFIG + (EXTENSIONS if extensions else ""))
    for start in range(0, count, 40):
        group = "Module%04d" % (start // 40)
        folder = os.path.join(root, "src", group[:-2])
        os.makedirs(folder, exist_ok=True)
        members = names[start:start + 40]
        lines = ["; %s of the generated library." % group]
        lines += ["#PBIMPORT:%s.l(x.l, y.s)" % name for name in members]
        lines += ["/****h* %s" % group, "* NAME", "*   %s - the %s calls" % (group, group), "****", ""]
        for name in members:
            lines += make_block(rng, group, name, names)
        with open(os.path.join(folder, group + ".pb"), "w", newline="\n") as source:
            source.write("\n".join(lines))


if __name__ == "__main__":
    main(int(sys.argv[1]), sys.argv[2], "--extensions" in sys.argv[3:],
         short_block if "--short" in sys.argv[3:] else block)
