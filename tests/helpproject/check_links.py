#!/usr/bin/env python3
"""Checks that every link of the generated pages, master index, table of contents and LB.hhc names
a file that the run wrote; a target is read as a browser reads it, entities and %XX decoded. A link
to a place in a page ("#A", "toc.html#A") also needs an element of that id there; the scripts a
page loads count as links.

Usage: check_links.py [--allow-known-exceptions] OUTPUT_DIRECTORY

Without the "existing links only" switch two kinds of links may name a missing file, in their
known shape only, and --allow-known-exceptions lets them pass: a link to an entry whose name begins
with "#" names "#Name.html" while its page is "Name.html"; a group heading of the master index or
LB.hhc names the group's page, which exists only when an entry has the group's name."""
import html
import os
import re
import sys
import urllib.parse


def links_of(name, text):
    if name == "LB.hhc":
        return re.findall(r'<param name="Local" [Vv]alue="([^"]*)">', text)
    return re.findall(r'(?:href|src)="([^"]*)"', text)


def has_id(out, name, anchor):
    with open(os.path.join(out, name), "rb") as page:
        return ('id="%s"' % anchor) in page.read().decode("latin-1")


def is_known_exception(name, href, target, text, written):
    if target.startswith("#") and target[1:] in written:
        return True
    group = html.unescape(href)[: -len(".html")]
    headings = ['<li><a href="%s">%s</a></li><ul>' % (href, group),
                '<param name="Local" value="%s">\r\n<param name="ImageNumber"' % href]
    if name in ("masterindex.html", "LB.hhc") and any(h in text for h in headings):
        print("group without a page of its name: %s" % group)
        return True
    return False


def main(args):
    allow_known = args[0] == "--allow-known-exceptions"
    out = args[-1]
    written = set(os.listdir(out))
    failures = []
    exceptions = 0
    checked = 0
    for name in sorted(written):
        if not (name.endswith(".html") or name == "LB.hhc"):
            continue
        with open(os.path.join(out, name), "rb") as page:
            text = page.read().decode("latin-1")
        for href in links_of(name, text):
            target = urllib.parse.unquote(html.unescape(href), encoding="latin-1")
            if "://" in target or target.startswith("mailto:"):
                continue
            checked += 1
            file, hashed, anchor = target.partition("#")
            if file.startswith("./"):
                file = file[2:]
            if hashed and file == "":
                file = name
            if file in written and (not hashed or has_id(out, file, anchor)):
                continue
            if allow_known and is_known_exception(name, href, target, text, written):
                exceptions += 1
                continue
            failures.append("%s links to %s, which was not written" % (name, href))
    for failure in failures:
        print(failure)
    print("%d links checked, %d known exceptions, %d broken" % (checked, exceptions, len(failures)))
    return 1 if failures or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
