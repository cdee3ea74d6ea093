#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the real output of every example ("$ command" blocks, see
examples_test.sh) into the README and the man pages, after a change of the
programs' output. Run from the source tree with the build's programs:

    M_JAR=build/opener/m_jar M_JARIN=build/writer/m_jarin doc/update_examples.py

then read the diff before committing it: the examples are documentation.
"""
import os
import subprocess
import sys

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.dirname(here)
pages = [os.path.join(here, p) for p in ("m_jar.1.in", "m_jarin.1.in", "morrowjar.5.in")]
env = dict(os.environ, README=os.path.join(root, "README.md"), MAN_PAGES=":".join(pages))
shown = subprocess.run(["bash", os.path.join(here, "examples_test.sh"), "--show"], env=env,
                       check=True, capture_output=True, text=True).stdout
outputs = {}  # (document, command) -> output lines
for entry in shown.split("\x1e\n"):
    if not entry.strip():
        continue
    head, _, body = entry.partition("\n")
    body = body[:-1] if body.endswith("\n") else body
    document, _, command = head.partition(": $ ")
    outputs[(document, command)] = body.split("\n") if body else []


def roff(line):
    return line.replace("\\", "\\e").replace("-", "\\-")


def unroff(line):
    return line.replace("\\-", "-").replace("\\e", "\\")


def update_readme(path):
    lines = open(path).read().split("\n")
    out, i = [], 0
    while i < len(lines):
        line = lines[i]
        out.append(line)
        i += 1
        if not line.startswith("    $ m_jar"):
            continue
        # Skip the old output: indented lines, and blank lines between them.
        while i < len(lines) and (lines[i].startswith("    ") or
                                  (lines[i] == "" and i + 1 < len(lines) and
                                   lines[i + 1].startswith("    "))):
            i += 1
        out += [("    " + l) if l else "" for l in outputs[("README.md", line[6:])]]
    open(path, "w").write("\n".join(out))


def update_page(path):
    name = os.path.basename(path)
    lines = open(path).read().split("\n")
    out, i = [], 0
    while i < len(lines):
        line = lines[i]
        out.append(line)
        i += 1
        if out[-2:-1] == [".EX"] and line.startswith("$ "):
            while i < len(lines) and lines[i] != ".EE":
                i += 1
            out += [roff(l) for l in outputs[(name, unroff(line[2:]))]]
    open(path, "w").write("\n".join(out))


update_readme(os.path.join(root, "README.md"))
for page in pages:
    update_page(page)
sys.exit(0)
