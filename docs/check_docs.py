#!/usr/bin/env python3
"""Checks that the documents agree with the code and with each other.

  check_docs.py reference SOURCE_DIR REFERENCE_MD
      every export of the export tables has a section, and every report text
      of the library's code appears in the reference;
  check_docs.py compatibility README_MD COMPATIBILITY_MD
      docs/compatibility.md has one entry per mend of the README's list
      "Obvious faults mended", whose "Now:" text is the README's text, and no
      entry the README lacks.
"""
import re
import sys
from pathlib import Path

import make_reference


def normalised(text):
    return " ".join(text.split())


def check_reference(source_dir, reference_md):
    source = Path(source_dir)
    reference = Path(reference_md).read_text()
    sections = set(re.findall(r"^## (\w+)$", reference, re.M))
    faults = []
    def_files = [source / "frame" / "ZtFunc32.def.in", source / "earlier" / "ZtFunc32.def"]
    for def_file in def_files:
        if def_file.exists():
            for function in make_reference.read_exports(def_file):
                if function not in sections:
                    faults.append("no section for the export %s (%s)" % (function, def_file.name))
    for text, folder in make_reference.read_reports(source):
        if '"%s"' % text not in reference:
            faults.append('report of %s/ missing: "%s"' % (folder, text))
    return faults


def mends_of_readme(readme_md):
    text = Path(readme_md).read_text()
    section = re.search(r"^## Obvious faults mended\n(.*?)(?=^## |\Z)", text, re.M | re.S)
    if not section:
        return {}
    mends = {}
    for item in re.split(r"^- ", section.group(1), flags=re.M)[1:]:
        match = re.match(r"\*\*(.+?):?\*\*:?\s*(.*)", item, re.S)
        if match:
            mends[match.group(1).rstrip(":")] = normalised(match.group(2))
    return mends


def entries_of_compatibility(compatibility_md):
    text = Path(compatibility_md).read_text()
    entries = {}
    for match in re.finditer(r"^### (.+?)\n(.*?)(?=^#|\Z)", text, re.M | re.S):
        body = match.group(2)
        before = re.search(r"^Before: (.*?)(?=^Now: |\Z)", body, re.M | re.S)
        now = re.search(r"^Now: (.*)", body, re.M | re.S)
        entries[match.group(1).strip()] = (before and normalised(before.group(1)),
                                           now and normalised(now.group(1)))
    return entries


def check_compatibility(readme_md, compatibility_md):
    mends = mends_of_readme(readme_md)
    entries = entries_of_compatibility(compatibility_md)
    faults = []
    if not mends:
        faults.append("README has no list of mends")
    for title, text in mends.items():
        if title not in entries:
            faults.append('compatibility.md has no entry "### %s"' % title)
            continue
        before, now = entries[title]
        if not before:
            faults.append('"%s": no "Before:" (the replaced behaviour)' % title)
        if now != text:
            faults.append('"%s": its "Now:" text differs from the README\'s:\n  %s' % (title, text))
    for title in entries:
        if title not in mends:
            faults.append('compatibility.md names "%s", which the README\'s list lacks' % title)
    return faults


def main():
    mode, first, second = sys.argv[1:4]
    faults = check_reference(first, second) if mode == "reference" else \
        check_compatibility(first, second)
    for fault in faults:
        print(fault)
    print("%s: %d faults" % (mode, len(faults)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
