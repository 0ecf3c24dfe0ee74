#!/usr/bin/env python3
"""Checks that the function reference agrees with the code.

  check_docs.py reference SOURCE_DIR REFERENCE_MD
      every export of the export tables has a section, and every report text
      of the library's code appears in the reference.
"""
import re
import sys
from pathlib import Path

import make_reference


def exported_functions(source):
    """(function, table) of every export of both releases."""
    table = source / "library" / "exports.txt"
    for line in table.read_text().splitlines():
        if line.strip() and not line.startswith("#"):
            yield line.split()[0], table.name


def check_reference(source_dir, reference_md):
    source = Path(source_dir)
    reference = Path(reference_md).read_text()
    sections = set(re.findall(r"^## (\w+)$", reference, re.M))
    faults = []
    exports = list(exported_functions(source))
    if not exports:
        faults.append("no export table found in %s" % source)
    for function, table in exports:
        if function not in sections:
            faults.append("no section for the export %s (%s)" % (function, table))
    for text, folder in make_reference.read_reports(source):
        if '"%s"' % text not in reference:
            faults.append('report of %s/ missing: "%s"' % (folder, text))
    return faults


def main():
    if len(sys.argv) != 4 or sys.argv[1] != "reference":
        print(__doc__)
        return 2
    faults = check_reference(sys.argv[2], sys.argv[3])
    for fault in faults:
        print(fault)
    print("reference: %d faults" % len(faults))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
