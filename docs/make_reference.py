#!/usr/bin/env python3
"""Writes the function reference (reference.md and reference.html) from the
files the library itself is built from, so nothing in it is written twice:

- the export table library/exports.txt: each release's ordinal, export name
  and calling convention;
- include/ztfunc32.h: result and parameter types and names, and the comment
  above each group of declarations (results and failure values);
- frame/call_templates.cpp: the call template PasteFunc pastes;
- every report("...") of the library's code, listed under the function whose
  name it begins with or names;
- docs/reference_examples.zts: a tried example per function, run through the
  native zthost against the native library while the reference is made.

  make_reference.py SOURCE_DIR ZTHOST LIBRARY BIN_DIR OUTPUT_DIR
"""
import html
import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

# Folders of the library's own code (not the stand-ins, tests or tools).
LIBRARY_FOLDERS = ["frame", "numeric", "settings", "tags", "hotspots", "system", "earlier", "library"]

# Names under which reports refer to a function, as the library spells them.
REPORT_NAMES = {
    "GoeVolume": ["GeoVolume"],
    "CreatFilenameFromDate": ["CreateFilenameFromDate"],
    "GetDiscMessage": ["GetDiscOnMsg", "GetDiscOffMsg"],
    "SetField": ["SetTagEU"],
}

CONVENTIONS = {
    "caller": "the caller removes the arguments (`__cdecl`)",
    "callee": "the function removes its arguments (`__stdcall`), exported under its plain name",
    "decorated": "the function removes its arguments (`__stdcall`), exported under its decorated name "
    "(by the 64-bit DLL under its plain name)",
}


def read_exports(table, release):
    """{function: (ordinal, export name, convention)} of one release ("3.8.0.0"
    or "3.7.0.0") in the export table; the earlier release leaves the
    arguments of every export to the caller."""
    exports = {}
    for line in Path(table).read_text().splitlines():
        fields = line.split("#")[0].split()
        if len(fields) != 6:
            continue
        function, current, earlier, convention, argument_bytes, _ = fields
        ordinal = current if release == "3.8.0.0" else earlier
        if ordinal == "-":
            continue
        if release != "3.8.0.0" or convention == "caller":
            exports[function] = (int(ordinal), function, "caller")
        elif convention == "callee":
            exports[function] = (int(ordinal), function, "callee")
        else:
            exports[function] = (int(ordinal), "_%s@%s" % (function, argument_bytes), "decorated")
    return exports


def read_declarations(header):
    """{function: (result type, [(type, name)], description)} of the header."""
    text = Path(header).read_text()
    declarations = {}
    for paragraph in re.split(r"\n\s*\n", text):
        comment = re.match(r"\s*/\*(.*?)\*/", paragraph, re.S)
        description = ""
        if comment:
            description = " ".join(
                line.strip().lstrip("*").strip() for line in comment.group(1).splitlines()
            ).strip()
        pattern = r"ZT_API\s+(.+?)\s+ZT_\w+\s+(\w+)\s*\((.*?)\)\s*ZT_NOEXCEPT;"
        for result, function, parameters in re.findall(pattern, paragraph, re.S):
            parameter_list = []
            for parameter in " ".join(parameters.split()).split(","):
                parameter = parameter.strip()
                if parameter and parameter != "void":
                    kind, name = re.match(r"(.*?)\s*(\w+)$", parameter).groups()
                    parameter_list.append((kind, name))
            declarations[function] = (result, parameter_list, description)
    return declarations


def read_templates(table_source):
    text = Path(table_source).read_text()
    return dict(re.findall(r'\{"(\w+)",\s*"([^"]*)"\}', text))


def c_string(literals):
    """The text of adjacent C string literals."""
    parts = re.findall(r'"((?:[^"\\]|\\.)*)"', literals)
    return "".join(parts).encode().decode("unicode_escape")


def read_reports(source_dir):
    """[(text, folder)] of every report of the library's code."""
    reports = []
    for folder in LIBRARY_FOLDERS:
        for source in sorted((Path(source_dir) / folder).glob("**/*.cpp")):
            text = source.read_text()
            for match in re.finditer(r'\breport\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+)', text):
                reports.append((c_string(match.group(1)), folder))
    unique = []
    for report in reports:
        if report not in unique:
            unique.append(report)
    return unique


def functions_named_in(report, functions):
    named = set()
    for function in functions:
        if re.search(r"\b%s\b" % re.escape(function), report):
            named.add(function)
    for spelling, meant in REPORT_NAMES.items():
        if re.search(r"\b%s\b" % re.escape(spelling), report):
            named.update(f for f in meant if f in functions)
    return named


def read_examples(examples_file):
    """{function: [script lines]} of the examples file ("#@ Function" heads)."""
    examples = {}
    current = None
    for line in Path(examples_file).read_text().splitlines():
        head = re.match(r"#@\s*(\w+)", line)
        if head:
            current = head.group(1)
            examples[current] = []
        elif current and line.strip():
            examples[current].append(line)
    return examples


def run_examples(examples, zthost, library, bin_dir):
    """{function: output} of running the examples in a small emulated machine
    (the demo's): a tag database, tagname.x, statx on the search path."""
    with tempfile.TemporaryDirectory() as machine:
        sysroot = Path(machine) / "sysroot"
        (sysroot / "c" / "windows").mkdir(parents=True)
        (sysroot / "c" / "zentara").mkdir(parents=True)
        (sysroot / "c" / "windows" / "win.ini").write_text(
            "[Vistrel]\nApplicationDirectory=c:\\zentara\n")
        (sysroot / "c" / "zentara" / "tagport.tags").write_text(
            "Pump1 discrete 1\n"
            'Pump1.OnMsg message 2 "Pump running"\n'
            'Pump1.OffMsg message 3 "Pump stopped"\n'
            "Flow real 4\nLevel integer 5\nAlarm message 6 \"\"\n")
        environment = dict(os.environ, ZT_SYSROOT=str(sysroot), TZ="UTC",
                           PATH=str(Path(bin_dir) / "export-tool") + os.pathsep + os.environ["PATH"])
        environment.pop("TAGPORT_DATABASE", None)
        script = [".tagfile"]
        for function, lines in examples.items():
            script.append(".echo @@ " + function)
            script.extend(lines)
        run = subprocess.run([zthost, library], input="\n".join(script) + "\n", cwd=machine,
                             env=environment, capture_output=True, text=True, timeout=120)
    outputs = {}
    current = None
    for line in run.stdout.splitlines():
        head = re.match(r"@@ (\w+)$", line)
        if head:
            current = head.group(1)
            outputs[current] = []
        elif current:
            outputs[current].append(line)
    return {function: "\n".join(lines) for function, lines in outputs.items()}


def main():
    source_dir, zthost, library, bin_dir, output_dir = sys.argv[1:6]
    source = Path(source_dir)
    table = source / "library" / "exports.txt"
    releases = [(release, read_exports(table, release)) for release in ("3.8.0.0", "3.7.0.0")]
    current = releases[0][1]
    functions = sorted(set().union(*(exports for _, exports in releases)),
                       key=lambda f: min(e[f][0] for _, e in releases if f in e))
    declarations = read_declarations(source / "include" / "ztfunc32.h")
    templates = read_templates(source / "frame" / "call_templates.cpp")
    reports = read_reports(source)
    examples = read_examples(source / "docs" / "reference_examples.zts")
    outputs = run_examples({f: examples[f] for f in functions if f in examples},
                           zthost, library, bin_dir)

    reports_of = {function: [] for function in functions}
    unattributed = []
    for text, folder in reports:
        named = functions_named_in(text, functions)
        for function in named:
            reports_of[function].append((text, folder))
        if not named:
            unattributed.append((text, folder))

    # The document as blocks: ("h1"|"h2"|"p"|"code"|"table"|"list", content).
    blocks = [("h1", "ZtFunc32 function reference"),
              ("p", "Generated from the library's export tables, its header `ztfunc32.h`, "
                    "its call templates and its reports. Releases: "
                    + ", ".join(version for version, _ in releases)
                    + ". Each example was run through zthost against the native build "
                      "(in a machine with the tags Pump1, Flow, Level and Alarm).")]
    rows = [["Ordinal", "Function", "Export name", "Releases"]]
    for function in functions:
        ordinal, name, _ = next(e[function] for _, e in releases if function in e)
        rows.append([str(ordinal), "[%s](#%s)" % (function, function.lower()), "`%s`" % name,
                     ", ".join(v for v, e in releases if function in e)])
    blocks.append(("table", rows))
    for function in functions:
        blocks.append(("h2", function))
        result, parameters, description = declarations.get(function, ("", [], ""))
        template = templates.get(function)
        if template is not None:
            blocks.append(("p", "Call template (`PasteFunc`):"))
            blocks.append(("code", function + template))
        facts = []
        for version, exports in releases:
            if function in exports:
                ordinal, name, convention = exports[function]
                facts.append("Release %s: ordinal %d, export `%s`; %s." % (
                    version, ordinal, name, CONVENTIONS[convention]))
        if result:
            signature = ", ".join("%s %s" % p for p in parameters) or "void"
            facts.append("C declaration: `%s %s(%s)`." % (result, function, signature))
            facts.append("Parameters: " + (", ".join(
                "`%s` (%s)" % (name, kind) for kind, name in parameters) or "none") + ".")
        blocks.append(("list", facts))
        if description:
            blocks.append(("p", "Result and failure values: " + description))
        if reports_of[function]:
            blocks.append(("p", "Reports it can make (to the debug logger):"))
            blocks.append(("list", ['"%s"%s' % (text, " (3.7.0.0)" if folder == "earlier" else "")
                                    for text, folder in reports_of[function]]))
        else:
            blocks.append(("p", "Reports: none."))
        if function in outputs:
            blocks.append(("p", "Example (zthost, native build):"))
            blocks.append(("code", outputs[function]))
    blocks.append(("h2", "Other reports"))
    blocks.append(("p", "Reports of loading, the logger binding and the hook, not made by one "
                        "script function:"))
    blocks.append(("list", ['"%s"%s' % (text, " (3.7.0.0)" if folder == "earlier" else "")
                            for text, folder in unattributed] or ["none"]))

    output = Path(output_dir)
    output.mkdir(parents=True, exist_ok=True)
    (output / "reference.md").write_text(as_markdown(blocks))
    (output / "reference.html").write_text(as_html(blocks))
    missing = [f for f in functions if f not in outputs]
    if missing:
        print("make_reference: no example for " + ", ".join(missing), file=sys.stderr)
    return 0


def as_markdown(blocks):
    lines = []
    for kind, content in blocks:
        if kind == "h1":
            lines += ["# " + content, ""]
        elif kind == "h2":
            lines += ["## " + content, ""]
        elif kind == "p":
            lines += [content, ""]
        elif kind == "code":
            lines += ["```", content, "```", ""]
        elif kind == "list":
            lines += ["- " + item for item in content] + [""]
        elif kind == "table":
            lines.append("| " + " | ".join(content[0]) + " |")
            lines.append("|" + "---|" * len(content[0]))
            lines += ["| " + " | ".join(row) + " |" for row in content[1:]]
            lines.append("")
    return "\n".join(lines)


def inline_html(text):
    text = html.escape(text, quote=False)
    text = re.sub(r"\[([^\]]+)\]\(#([^)]+)\)", r'<a href="#\2">\1</a>', text)
    return re.sub(r"`([^`]+)`", r"<code>\1</code>", text)


def as_html(blocks):
    parts = ['<!DOCTYPE html>\n<html lang="en"><head><meta charset="utf-8">'
             "<title>ZtFunc32 function reference</title></head><body>"]
    for kind, content in blocks:
        if kind == "h1":
            parts.append("<h1>%s</h1>" % inline_html(content))
        elif kind == "h2":
            parts.append('<h2 id="%s">%s</h2>' % (content.lower(), inline_html(content)))
        elif kind == "p":
            parts.append("<p>%s</p>" % inline_html(content))
        elif kind == "code":
            parts.append("<pre>%s</pre>" % html.escape(content, quote=False))
        elif kind == "list":
            parts.append("<ul>%s</ul>" % "".join("<li>%s</li>" % inline_html(i) for i in content))
        elif kind == "table":
            head = "".join("<th>%s</th>" % inline_html(c) for c in content[0])
            body = "".join("<tr>%s</tr>" % "".join("<td>%s</td>" % inline_html(c) for c in row)
                           for row in content[1:])
            parts.append("<table><tr>%s</tr>%s</table>" % (head, body))
    parts.append("</body></html>\n")
    return "\n".join(parts)


if __name__ == "__main__":
    sys.exit(main())
