#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets into fuzz/corpus/<target>/.

Each seed is a case of the behaviour suite or the demo, written in the input
format its target reads (see the comment at the top of each *_fuzzer.cpp).
Regression inputs (regression-*) are kept as they are; run this again after
changing a seed here.
"""
import pathlib
import struct

ROOT = pathlib.Path(__file__).resolve().parent
CORPUS = ROOT / "corpus"


def text(value):
    return value.encode("latin-1") + b"\0"


def i32(value):
    return struct.pack("<i", value)


def f32(value):
    return struct.pack("<f", value)


def write(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / f"seed-{name}").write_bytes(data)


def paste_func():
    names = ["GeoArea", "geoarea", "ZtBeep32", "SystemIsNT", "NoSuchFunction", "ZtCntx32Cleanup",
             "CreateFilenameFromDate", ""]
    write("paste_func", "templates", b"".join(text(n) for n in names))
    # A name of 65,537 characters, whose marked positions wrap.
    write("paste_func", "long-name", b"\x01\xff" + b"A\0" + text("GeoArea"))
    write("paste_func", "null-arguments", b"\x02\0\x03\0GeoArea\0\x02\0")


def numeric():
    default_fp = struct.pack("<IH", 0x1F80, 0x037F)
    cases = [  # (export, reals, codes) as the unit and geometry tests call them
        (0, (2.54, 0, 0), (1, 0)), (1, (1, 0, 0), (3, 3)), (2, (1, 0, 0), (1, 2)),
        (3, (1, 0, 0), (2, 1)), (4, (0, 0, 0), (1, 1)), (5, (1, 0, 0), (2, 2)),
        (6, (212, 0, 0), (1, 2)), (6, (-9999.9, 0, 0), (2, 1)), (7, (2, 1, 0), (3, 0)),
        (8, (1, 0, 0), (4, 0)), (9, (2, 3, 4), (3, 0)), (9, (float("nan"), float("inf"), 1e-45), (1, 0)),
    ]
    calls = b""
    for export, reals, codes in cases:
        calls += bytes([export]) + b"".join(f32(r) for r in reals) + b"".join(i32(c) for c in codes)
        calls += default_fp
    write("numeric", "conversions-and-geometry", calls)
    # Host settings: round toward zero and flush to zero; x87 at 24 bits.
    write("numeric", "host-settings", bytes([6]) + f32(100) + f32(0) + f32(0) + i32(2) + i32(3) +
          struct.pack("<IH", 0xFF80, 0x007F))
    now = 1_700_000_000
    date = bytes([10]) + struct.pack("<q", now) + bytes([1])
    date += b"\x01" + text("dmy") + b"\x01" + text("log_") + b"\x01" + text(".txt") + i32(-1)
    # Prefix pointing into the shared result buffer, as a script passes a result on.
    date += bytes([11]) + struct.pack("<q", now) + bytes([0])
    date += b"\x01" + text("ymd") + b"\x02\x04" + b"\x00" + i32(2**31 - 1)
    write("numeric", "date-file-names", date)


def settings():
    def t(value):
        return b"\x01" + text(value)

    ops = bytes([0]) + t("test.ini") + t("Section") + t("Key") + t("Value")
    ops += bytes([1]) + b"\x02\x00" + b"\x02\x01" + b"\x02\x02"
    ops += bytes([2]) + t("c:\\data\\n.ini") + t("Numbers") + t("Count") + i32(-42)
    ops += bytes([3]) + b"\x02\x04" + b"\x02\x05" + b"\x02\x06"
    ops += bytes([4]) + t("bom.ini") + text("\ufeff[S]\r\nK=\"quoted\"\r\n".encode("utf-8").decode("latin-1"))
    ops += bytes([1]) + b"\x02\x08" + t("S") + t("K")
    ops += bytes([5]) + t("folder.ini") + bytes([0]) + b"\x02\x0a" + t("S") + t("K") + t("V")
    write("settings", "ini-functions", ops)
    statx = bytes([8]) + bytes([6, 0]) + i32(2024) + i32(2) + i32(29)
    statx += bytes([6, 3]) + i32(23) + i32(59) + i32(60)
    statx += bytes([7, 0]) + t("Product A") + bytes([7, 2]) + t("c:\\out\\export.csv") + bytes([8])
    statx += bytes([7, 1, 0])
    write("settings", "statx", statx)


def profile():
    files = {
        "windows-lines": "k0=v0\r[ A ] tail\n[NoClose\n=empty\n\x1a b \x1a\r\n[]\nhidden=1\n",
        "sections": "[Sections]\n[Second]\n",
        "quotes": "[S]\nq=\"quoted\"\nr='x'\n; c=v\nn=0x10\n",
    }
    edits = bytes([0]) + text("A") + text(" New ") + text("  value ")
    edits += bytes([3]) + text("A") + text("d  ") + bytes([7]) + bytes([4]) + text("0b101")
    edits += bytes([1]) + text("A") + text("b") + bytes([2]) + text("Second")
    for name, content in files.items():
        data = content.encode("latin-1")
        write("profile", name, struct.pack("<H", len(data)) + data + edits)
    for name, mark, encoding in (("utf8", b"\xef\xbb\xbf", "utf-8"), ("utf16le", b"\xff\xfe", "utf-16-le"),
                                 ("utf16be", b"\xfe\xff", "utf-16-be")):
        data = mark + "[S]\r\nK=caf\u00e9\r\n".encode(encoding)
        write("profile", name, struct.pack("<H", len(data)) + data + edits)


def tags():
    database = ("# the test site's tags\nPump1 discrete 1\nPump1.OnMsg message 2 \"Pump running\"\n"
                "Pump1.OffMsg message 4 \"Pump stopped\"\nFlow real 3\nCount integer 5\n"
                "Valve discrete 6\nValve.OnMsg integer 7\nNote message 8 note\nOdd 9 9\n")
    site = bytes([0]) + text(database) + bytes([1, 0, 0, 0])
    queries = bytes([3, 1]) + text("Flow") + bytes([3, 1]) + text("NoSuchTag")
    queries += bytes([4, 1, 1]) + text("Pump1") + bytes([4, 0, 1]) + text("Pump1")
    queries += bytes([4, 1, 1]) + text("Valve") + bytes([5, 1]) + text("Count") + bytes([0]) + text("psi")
    queries += bytes([5, 1]) + text("Flow") + bytes([0]) + text("m3/h, a text longer than the field")
    queries += bytes([5, 1]) + text("Pump1") + bytes([0]) + text("x")
    write("tags", "standard-site", site + queries)
    # Faults of the stand-in, then none; a short tagname.x; a long name.
    faults = bytes([2, 1]) + text("") + bytes([3, 1]) + text("Flow")
    faults += bytes([2, 8]) + text("Flow;Count") + bytes([5, 1]) + text("Count") + bytes([0]) + text("kg")
    faults += bytes([2, 0, 0]) + bytes([1, 1]) + struct.pack("<H", 2000) + bytes([5, 1]) + text("Count")
    faults += bytes([0]) + text("kg") + bytes([3, 3, 0x40, 200]) + bytes([7, 2]) + text("x" * 300)
    faults += bytes([5, 1]) + text("Flow") + bytes([0]) + text("bar")
    write("tags", "faults", site + faults)


def zthost_script():
    demo = (ROOT.parent / "examples" / "demo.zts").read_bytes()
    write("zthost_script", "demo", demo)
    write("zthost_script", "parser-cases",
          b"  GeoArea( 2, -3.5e0, +1 );  \n"
          b"INIReadString(\"a \\\"b\\\"\", 'it\\'s', \"\") \n"
          b"SystemIsNT( );\nGeoArea 2, 3\nGeoArea( 2x )\nF( 123456789012345678901.0 )\n"
          b"Pump1.OnMsg   message  2   \"say \\\"hi\\\" \\\\ \"  \nMsg MESSAGE 65535 Pump  stopped  \n")


def hotspots():
    def main_name():
        return bytes([3, 0])  # "Main"

    def tag(index):
        return bytes([3, index])  # Msg1, Msg2, Msg3, msg1, Flow, None

    def value(v):
        return b"\x01" + text(v)

    def at(x, y):  # screen coordinates, multiples of 4 from -40
        return bytes([(x + 40) // 4, (y + 40) // 4])

    def rect(left, top, width, height):
        return bytes([(c + 40) // 4 for c in (left, top, width, height)])

    # Main's client area is at (100, 100) on the screen, 400 x 300.
    enter_leave = bytes([0]) + main_name() + rect(8, 8, 100, 48) + tag(0) + value("Pump running")
    enter_leave += bytes([1]) + at(120, 120) + bytes([1]) + at(124, 120) + bytes([1]) + at(400, 400)
    # Overlapping hotspots sharing a tag, straight from one into the other.
    enter_leave += bytes([0]) + main_name() + rect(80, 8, 100, 48) + tag(0) + value("second")
    enter_leave += bytes([1]) + at(120, 120) + bytes([1]) + at(200, 120) + bytes([5])
    enter_leave += bytes([1]) + at(120, 120) + bytes([0, 0]) + rect(-4, 0, 0, 8) + tag(1) + value("x")
    write("hotspots", "enter-and-leave", enter_leave)
    # A child window without a hotspot inside a hotspot of Main; titles changed.
    child = bytes([3, 1, 0]) + text("Panel") + rect(40, 40, 120, 80)
    child += bytes([0]) + main_name() + rect(0, 0, 200, 200) + tag(1) + value("in main")
    child += bytes([0, 2, 1]) + rect(0, 0, 40, 40) + tag(2) + value("in panel")
    child += bytes([1]) + at(144, 144) + bytes([1]) + at(180, 180) + bytes([2, 0]) + text("MAIN")
    child += bytes([1]) + at(120, 120) + bytes([4, 1]) + bytes([1]) + at(148, 148)
    write("hotspots", "child-windows", child)


for make in (paste_func, numeric, settings, profile, tags, zthost_script, hotspots):
    make()
