#!/usr/bin/env python3
"""Checks that every page a run wrote (every .html file of the output folder) parses without a
single parse error in html5lib's strict mode, as a browser that complained would read it. Needs
html5lib (Debian: python3-html5lib). Usage: check_html5.py OUTPUT_DIRECTORY"""
import os
import sys

import html5lib


def main(out):
    pages = sorted(name for name in os.listdir(out) if name.endswith(".html"))
    failures = 0
    for name in pages:
        with open(os.path.join(out, name), "rb") as page:
            data = page.read()
        parser = html5lib.HTMLParser(strict=True)
        try:
            parser.parse(data, transport_encoding="utf-8")
        except html5lib.html5parser.ParseError as error:
            failures += 1
            print("%s: %s" % (name, error))
    print("%d pages parsed, %d with an error" % (len(pages), failures))
    return 1 if failures or not pages else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
