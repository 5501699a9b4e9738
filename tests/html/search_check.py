#!/usr/bin/env python3
"""Runs inkwright on a tree and searches its styled pages in headless Chromium, as a reader does:
search.html?q=... opened for each query of a table, in the frame of tests/html/search_frame.html,
which reports what the page shows. Every query checks the names found and their order, that
nothing of an entry ran (the title stays, no element but the results' own was made), and that
every result links a page of the run.

Usage: search_check.py CHROMIUM INKWRIGHT E2E_DIR PART
PART is one of:
  styled-search       the tree tests/e2e/styled-search: ranks, words, case, hostile text
  styled-search-1252  the tree tests/e2e/styled-search-1252: a run written as windows-1252
  many                a generated tree of 131 entries: at most 50 results, in the index's order,
                      and a name that reads as a URL scheme
  frame               the query in the box, typing, and Enter
Exits 1 with one line per failed check."""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import urllib.parse

FRAME = os.path.join(os.path.dirname(os.path.abspath(__file__)), "search_frame.html")
FAILURES = []


def check(condition, message):
    if not condition:
        FAILURES.append(message)
    return condition


def run_tree(inkwright, tree, work):
    """Copies tree without its expected files into work, runs inkwright there, and gives its out/
    folder, with the frame page beside the search page."""
    shutil.copytree(tree, work, ignore=shutil.ignore_patterns("expected", "expected-stderr.txt"))
    out = os.path.join(work, "out")
    os.makedirs(out, exist_ok=True)
    subprocess.run([inkwright, "inkwright.cfg"], cwd=work, check=True, timeout=120)
    shutil.copy(FRAME, out)
    return out


def drive(chromium, out, target, asked=""):
    """Loads target (a page of out, query and all) in the frame, with the frame page's own query
    asked, and gives what the frame page reported, each key with its values in report order."""
    url = ("file://" + urllib.parse.quote(os.path.join(out, "search_frame.html")) + asked + "#" +
           urllib.parse.quote(target, safe=""))
    profile = tempfile.mkdtemp(prefix="inkwright-chromium-")
    try:
        dumped = subprocess.run(
            [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--allow-file-access-from-files", "--user-data-dir=" + profile,
             "--virtual-time-budget=5000", "--dump-dom", url],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=120, check=False).stdout
    finally:
        shutil.rmtree(profile, ignore_errors=True)
    text = dumped.decode("utf-8", "replace")
    start = text.find('<pre id="report">')
    report = {}
    if start >= 0:
        for line in text[start:text.find("</pre>", start)].split(">", 1)[1].splitlines():
            key, _, value = line.partition(" ")
            report.setdefault(key, []).append(json.loads(value))
    check("load" in report, "%s%s: the frame reported nothing" % (target, asked))
    return report


def search(chromium, out, query, expected, descriptions=None):
    """Opens search.html?q=query (query as it stands in the URL), checks the names found, and
    checks the description shown of each name that descriptions holds."""
    report = drive(chromium, out, "search.html?q=" + query)
    label = "q=" + query
    results = report.get("results", [[]])[0]
    names = [result["name"] for result in results]
    check(names == expected, "%s: found %s, expected %s" % (label, names, expected))
    check(report.get("title") == ["Search"], "%s: the title became %s" % (label, report.get("title")))
    check(report.get("images") == [0] and report.get("scripts") == [2],
          "%s: %s images and %s scripts" % (label, report.get("images"), report.get("scripts")))
    for result in results:
        target = urllib.parse.unquote(result["href"] or "")
        check(os.path.isfile(os.path.join(out, target)),
              "%s: %s links to %r, which the run did not write" % (label, result["name"], target))
        check(result["section"] is not None and result["description"] is not None,
              "%s: %s lacks its section or description" % (label, result["name"]))
        shown = (descriptions or {}).get(result["name"], result["description"])
        check(result["description"] == shown,
              "%s: %s shows %r" % (label, result["name"], result["description"]))
    return results


IMG = "<img src=x onerror=\"document.title='pwned'\">"
SEPARATOR = "line\u2028separator"
HOSTILE_DESCRIPTIONS = {
    IMG: "Would set the title if it were markup.",
    "closer": "Ends </script><script>document.title='pwned'</script> a script.",
    'say "cheese"': "Quotes \"double\" and 'single' \\\" and \\' too.",
    "back\\slash\\": "A path C:\\dir\\file and a trailing backslash\\",
    SEPARATOR: "Joins two\u2028lines; and two\u2029paragraphs.",
}
STYLED_SEARCH = [
    # Exact name, then names that begin with it, names that hold it, descriptions.
    ("scan", ["scan", "scanner", "rescan", "buf_find"]),
    ("buf_append", ["buf_append", "buf_appendf"]),
    ("BUF_APP", ["buf_append", "buf_appendf"]),
    ("%20%20append+", ["buf_append", "buf_appendf"]),
    # Each word of several must begin a word of the description, in any order.
    ("buffer+grow", ["buf_append", "Buffers"]),
    ("GROW%20BUFF", ["buf_append", "Buffers"]),
    ("buffer+shrink", []),
    ("rescans", ["buf_index"]),
    ("cans", []),
    # Punctuation parts the words of a description; a word of the query that holds some begins
    # none of them. Characters outside ASCII belong to words, the line and paragraph separators too.
    ("single", ['say "cheese"']),
    ("%27single", []),
    ("joins+two", [SEPARATOR]),
    ("paragraphs", []),
    # Letters outside A-Z keep their case; percent escapes are UTF-8.
    ("%C3%A9t%C3%A9", ["scanner"]),
    ("%C3%89t%C3%89", []),
    # Hostile names and descriptions are found, and stay text.
    ("img", [IMG]),
    ("pwned", [IMG, "closer"]),
    ("%3C%2Fscript%3E", []),
    ("%22cheese%22", ['say "cheese"']),
    ("%5Cslash", ["back\\slash\\"]),
    ("c+dir", ["back\\slash\\"]),
    ("%E2%80%A8", [SEPARATOR]),
    # No query shows nothing, and a malformed escape is no error.
    ("", []),
    ("+++", []),
    ("%E9%zz", []),
]
CAFE = "caf\u00e9"
STYLED_SEARCH_1252 = [
    ("caf%C3%A9", [CAFE, "Menu"]),
    ("CAF", ["Cafe", CAFE, "Menu"]),
    ("CAF%C3%89", []),
    ("%E2%82%AC5", [CAFE]),
    ("%E2%80%9Cquoted", [CAFE]),
    ("quoted", []),
    ("%C2%81is", [CAFE]),
]


def search_tree(chromium, inkwright, e2e, part, work):
    out = run_tree(inkwright, os.path.join(e2e, part), os.path.join(work, "run"))
    if part == "styled-search":
        for query, expected in STYLED_SEARCH:
            search(chromium, out, query, expected, HOSTILE_DESCRIPTIONS)
        return
    with open(os.path.join(out, "search.html"), "rb") as page:
        check(b'<meta charset="windows-1252">' in page.read(), "the page is not windows-1252")
    for query, expected in STYLED_SEARCH_1252:
        search(chromium, out, query, expected,
               {CAFE: "Coffee for \u20ac5, \u201cquoted\u201d as \u0081is."})


SCHEME_NAME = "javascript:document.title='pwned'"


def many_run(inkwright, work):
    """Runs a tree of 130 entries item000 to item129, whose descriptions all hold "filler", and one
    entry whose name reads as a URL scheme."""
    tree = os.path.join(work, "tree")
    os.makedirs(os.path.join(tree, "src"))
    with open(os.path.join(tree, "inkwright.cfg"), "w") as config:
        config.write("[source path]\nsrc\n[accept files]\n*.c\n[output path]\nout\\\n"
                     "[output format]\nHTML\n[items]\nNAME\n[line starts]\n\" *\"\n"
                     "[block ends]\n\" ***/\"\n[options]\nstyled pages\nwhole header name\n")
    blocks = ["/****f* Many/item%03d\n * NAME\n *   item%03d - filler number %d\n ***/\n"
              % (n, n, n) for n in range(129, -1, -1)]
    blocks.append("/****f* Many/%s\n * NAME\n *   x - a scheme\n ***/\n" % SCHEME_NAME)
    with open(os.path.join(tree, "src", "many.c"), "w") as source:
        source.write("\n".join(blocks))
    return run_tree(inkwright, tree, os.path.join(work, "run"))


def many(chromium, inkwright, work):
    out = many_run(inkwright, work)
    search(chromium, out, "item", ["item%03d" % n for n in range(50)])
    search(chromium, out, "filler", ["item%03d" % n for n in range(50)])
    # The ten names that begin with "item12", and not item012, which holds "item" and "12".
    search(chromium, out, "item12", ["item12%d" % n for n in range(10)])
    results = search(chromium, out, "pwned", [SCHEME_NAME])
    check(results and results[0]["href"] == "./" + SCHEME_NAME + ".html",
          "a name that reads as a scheme links %r" % (results[0]["href"] if results else None))


def frame(chromium, inkwright, e2e, work):
    out = run_tree(inkwright, os.path.join(e2e, "styled-search"), os.path.join(work, "run"))

    def went(report):
        return [urllib.parse.unquote(location.rsplit("/", 1)[-1])
                for location in report.get("location", [])]

    # The box shows the query as read from the address.
    report = drive(chromium, out, "search.html?q=%E9%zz+x%2B")
    check(report.get("value") == ["\ufffd%zz x+"], "the box shows %r" % report.get("value"))
    # Enter opens the first result and keeps the form from being sent.
    report = drive(chromium, out, "search.html?q=buf_append", "?enter=1")
    check(report.get("prevented") == [True], "Enter was not prevented: %r" % report)
    check(went(report)[1:] == ["buf_append.html"], "Enter led to %r" % went(report))
    # Typing shows the results of what was typed; Enter opens its first result, whose page is
    # not named after it.
    report = drive(chromium, out, "search.html?q=buf", "?type=cheese&enter=1")
    check([[r["name"] for r in results] for results in report.get("results", [])] ==
          [["buf_append", "buf_appendf", "buf_find", "buf_index", "Buffers", "rescan", "scan"]],
          "q=buf shows %r" % report.get("results"))
    check([[r["name"] for r in results] for results in report.get("typed", [])] ==
          [['say "cheese"']], "typing shows %r" % report.get("typed"))
    check(went(report)[1:] == ["say-cheese.html"], "Enter after typing led to %r" % went(report))
    # Without results, Enter is left to the form.
    report = drive(chromium, out, "search.html?q=nothing", "?enter=1")
    check(report.get("prevented") == [False] and report.get("load") == [1],
          "Enter without results: %r" % report)
    # A name that reads as a scheme opens its page, and runs nothing.
    many_out = many_run(inkwright, os.path.join(work, "many"))
    report = drive(chromium, many_out, "search.html?q=pwned", "?enter=1")
    check(went(report)[1:] == [SCHEME_NAME + ".html"] and "pwned" not in report.get("title"),
          "Enter on a scheme name: %r" % report)


def main():
    chromium, inkwright, e2e, part = sys.argv[1:5]
    work = tempfile.mkdtemp(prefix="inkwright-search-")
    try:
        if part in ("styled-search", "styled-search-1252"):
            search_tree(chromium, inkwright, e2e, part, work)
        elif part == "many":
            many(chromium, inkwright, work)
        elif part == "frame":
            frame(chromium, inkwright, e2e, work)
        else:
            sys.exit("unknown part " + part)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    for failure in FAILURES:
        print("FAILED: " + failure)
    sys.exit(1 if FAILURES else 0)


if __name__ == "__main__":
    main()
