#!/usr/bin/env python3
"""Checks that every link of the generated pages, master index and table of contents names a file
that the run wrote. Two kinds of links may name a missing file, and only in their known shape:
a link to an entry whose name begins with "#" names "#Name.html" while its page is "Name.html";
a group heading of the master index names the group's page, which exists only when an entry has
the group's name. Usage: check_links.py OUTPUT_DIRECTORY"""
import html
import os
import re
import sys


def main(out):
    written = set(os.listdir(out))
    failures = []
    exceptions = 0
    checked = 0
    for name in sorted(written):
        if not name.endswith(".html"):
            continue
        with open(os.path.join(out, name), "rb") as page:
            text = page.read().decode("latin-1")
        for href in re.findall(r'href="([^"]*)"', text):
            target = html.unescape(href)
            if "://" in target or target.startswith("mailto:"):
                continue
            checked += 1
            if target in written:
                continue
            if target.startswith("#") and target[1:] in written:
                exceptions += 1
                continue
            group = target[: -len(".html")]
            heading = '<li><a href="%s">%s</a></li><ul>' % (href, group)
            if name == "masterindex.html" and target.endswith(".html") and heading in text:
                exceptions += 1
                print("group without a page of its name: %s" % group)
                continue
            failures.append("%s links to %s, which was not written" % (name, href))
    for failure in failures:
        print(failure)
    print("%d links checked, %d known exceptions, %d broken" % (checked, exceptions, len(failures)))
    return 1 if failures or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
