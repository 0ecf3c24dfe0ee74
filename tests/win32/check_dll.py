#!/usr/bin/env python3
"""Static checks of a Windows build of ZtFunc32.dll, of what its image says
beyond what running it shows:

  * the export directory holds exactly the expected exports, each under its
    ordinal and name (64-bit: a decorated name "_Name@N" of the table plainly,
    "Name", as 64-bit Windows decorates no name);
  * (32-bit) every callee-cleans export ends in "ret $0xN" for its N bytes of
    arguments and every caller-cleans export in a plain "ret";
  * the import table names only Windows system DLLs and the allowed host
    libraries; from a host library given with its .def file, every function
    is imported by name, under a name that library exports (on 32-bit Windows
    the plain name, never a decorated "_Name@8");
  * the version resource holds the expected values;
  * no function of the C++ runtime is linked in through which it would keep a
    record of each thread that comes by (the threads library's pthread_self,
    emulated thread-locals, locked first use of statics): such records are
    lost, with their handles, every time a host unloads the DLL.

usage: check_dll.py DLL EXPECTED_EXPORTS VERSION OBJDUMP [HOST_DLL[=DEF_FILE] ...]
"""
import os
import re
import struct
import subprocess
import sys

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "advapi32.dll", "msvcrt.dll", "gdi32.dll",
               "shell32.dll", "ole32.dll", "oleaut32.dll", "comctl32.dll", "ws2_32.dll"}


class PeImage:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE image")
        self.machine, section_count = struct.unpack_from("<HH", data, pe + 4)
        optional_size = struct.unpack_from("<H", data, pe + 20)[0]
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        self.is_pe32_plus = magic == 0x20B
        self.image_base = struct.unpack_from("<Q" if self.is_pe32_plus else "<I", data,
                                             optional + (24 if self.is_pe32_plus else 28))[0]
        directories = optional + (112 if self.is_pe32_plus else 96)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(16)]
        self.sections = []
        table = optional + optional_size
        for i in range(section_count):
            entry = table + 40 * i
            virtual_size, virtual_address, raw_size, raw_offset = struct.unpack_from(
                "<IIII", data, entry + 8)
            self.sections.append((virtual_address, max(virtual_size, raw_size), raw_offset))

    def offset(self, rva):
        for address, size, raw in self.sections:
            if address <= rva < address + size:
                return raw + rva - address
        raise ValueError("RVA 0x%x outside every section" % rva)

    def text(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("latin-1")

    def exports(self):
        rva, size = self.directories[0]
        if size == 0:
            return "", {}
        base = self.offset(rva)
        (name_rva, ordinal_base, function_count, name_count, functions_rva, names_rva,
         ordinals_rva) = struct.unpack_from("<12xIIIIIII", self.data, base)
        result = {}
        for i in range(name_count):
            name = self.text(struct.unpack_from("<I", self.data, self.offset(names_rva) + 4 * i)[0])
            index = struct.unpack_from("<H", self.data, self.offset(ordinals_rva) + 2 * i)[0]
            address = struct.unpack_from("<I", self.data, self.offset(functions_rva) + 4 * index)[0]
            result[name] = (ordinal_base + index, address)
        return self.text(name_rva), result

    def imports(self):
        """{DLL name: [imported function name, or ordinal number]}"""
        rva, size = self.directories[1]
        result = {}
        position = self.offset(rva) if size else None
        while position is not None:
            lookup_rva, _, _, name_rva, address_rva = struct.unpack_from("<IIIII", self.data,
                                                                         position)
            if name_rva == 0:
                break
            result[self.text(name_rva)] = self.imported_functions(lookup_rva or address_rva)
            position += 20
        return result

    def imported_functions(self, table_rva):
        entry_size, ordinal_flag = (8, 1 << 63) if self.is_pe32_plus else (4, 1 << 31)
        functions = []
        position = self.offset(table_rva)
        while True:
            entry = struct.unpack_from("<Q" if self.is_pe32_plus else "<I", self.data, position)[0]
            if entry == 0:
                return functions
            if entry & ordinal_flag:
                functions.append(entry & 0xFFFF)
            else:
                functions.append(self.text((entry & 0x7FFFFFFF) + 2))  # after the hint
            position += entry_size

    def version_resource(self):
        rva, size = self.directories[2]
        root = self.offset(rva)

        def entries(directory):
            named, numbered = struct.unpack_from("<HH", self.data, directory + 12)
            for i in range(named + numbered):
                ident, target = struct.unpack_from("<II", self.data, directory + 16 + 8 * i)
                yield ident, target

        for ident, target in entries(root):
            if ident == 16 and target & 0x80000000:  # RT_VERSION
                level = root + (target & 0x7FFFFFFF)
                _, target = next(entries(level))
                level = root + (target & 0x7FFFFFFF)
                _, target = next(entries(level))
                data_rva, data_size = struct.unpack_from("<II", self.data, root + target)
                start = self.offset(data_rva)
                return self.data[start:start + data_size]
        return None


def parse_block(data, position):
    """One node of a VS_VERSIONINFO tree: (key, value, children, end)."""
    length, value_length, value_type = struct.unpack_from("<HHH", data, position)
    end = position + length
    key_start = position + 6
    key_end = key_start
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[key_start:key_end].decode("utf-16-le")
    cursor = (key_end + 2 + 3) & ~3
    if value_type == 1:
        raw = data[cursor:cursor + 2 * value_length]
        value = raw.decode("utf-16-le").rstrip("\0")
        cursor += 2 * value_length
    else:
        value = data[cursor:cursor + value_length]
        cursor += value_length
    cursor = (cursor + 3) & ~3
    children = []
    while cursor < end:
        child = parse_block(data, cursor)
        children.append(child)
        cursor = (child[3] + 3) & ~3
    return key, value, children, end


def check_version(image, version, failures):
    resource = image.version_resource()
    if resource is None:
        failures.append("no version resource")
        return
    key, fixed, children, _ = parse_block(resource, 0)
    if key != "VS_VERSION_INFO":
        failures.append("version resource key is %r" % key)
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<IIIIII", fixed)
    parts = [int(p) for p in version.split(".")]
    expected_ms, expected_ls = (parts[0] << 16) | parts[1], (parts[2] << 16) | parts[3]
    if signature != 0xFEEF04BD or (file_ms, file_ls) != (expected_ms, expected_ls) or \
            (product_ms, product_ls) != (expected_ms, expected_ls):
        failures.append("fixed file info does not give version %s" % version)
    strings = {}
    translation = None
    for child_key, _, grandchildren, _ in children:
        if child_key == "StringFileInfo":
            for table_key, _, values, _ in grandchildren:
                strings[table_key] = {k: v for k, v, _, _ in values}
        if child_key == "VarFileInfo":
            for var_key, value, _, _ in grandchildren:
                if var_key == "Translation":
                    translation = struct.unpack_from("<HH", value)
    table = strings.get("040904b0")
    if table is None:
        failures.append("no string table 040904b0 (found %s)" % list(strings))
        return
    text = ", ".join(str(p) for p in parts)
    expected = {"FileVersion": text, "ProductVersion": text, "InternalName": "ZtFunc32"}
    for name, value in expected.items():
        if table.get(name) != value:
            failures.append("%s is %r, expected %r" % (name, table.get(name), value))
    for name, value in EXPECTED_STRINGS.get(version, {}).items():
        if table.get(name) != value:
            failures.append("%s is %r, expected %r" % (name, table.get(name), value))
    if translation != (0x0409, 1200):
        failures.append("translation is %r, expected (0x409, 1200)" % (translation,))


EXPECTED_STRINGS = {
    "3.8.0.0": {"FileDescription": "ZtFunc32 DLL", "ProductName": "ZtFunc32 Dynamic Link Library"},
    "3.7.0.0": {"FileDescription": "ZtFunc32", "OriginalFilename": "ZtFunc32.dll",
                "CompanyName": "Zentara", "ProductName": "Zentara HMI script functions",
                "Comments": "Script functions for the operator screens of the Zentara HMI runtime"},
}

# The file each release is delivered as; both export directories name it
# "ZtFunc32.dll".
FILE_NAMES = {"3.8.0.0": "ZtFunc32.DLL", "3.7.0.0": "ZtFunc32.dll"}


def collect_returns(bodies, address, depth=0):
    """The return instructions of the function at `address`, following tail jumps
    into other functions (the callee then returns for it)."""
    returns = []
    for line in bodies[address]:
        instruction = line.split("\t")[-1].strip()
        if instruction.startswith("ret"):
            returns.append(instruction)
        jump = re.match(r"jmp\s+(?:0x)?([0-9a-f]+)\b(?!:)", instruction)
        if jump and depth < 3 and int(jump.group(1), 16) in bodies:
            returns += collect_returns(bodies, int(jump.group(1), 16), depth + 1)
    return returns


def function_starts(dll, objdump):
    """Start address -> name of each function. A shipped DLL is stripped, and
    its symbols are in the debug file beside it (named by .gnu_debuglink)."""
    debug_file = dll + ".debug"
    if not os.path.exists(debug_file):
        return {}
    nm = re.sub(r"objdump$", "nm", objdump)
    symbols = subprocess.run([nm, debug_file], check=True, capture_output=True,
                             text=True).stdout
    starts = {}
    for line in symbols.splitlines():
        fields = line.split()
        if len(fields) == 3 and fields[1] in ("T", "t"):
            starts.setdefault(int(fields[0], 16), fields[2])
    return starts


def check_returns(dll, image, exports, expected, objdump, failures):
    listing = subprocess.run([objdump, "-d", "--no-show-raw-insn", dll], check=True,
                             capture_output=True, text=True).stdout
    starts = function_starts(dll, objdump)
    current = None
    bodies = {}
    for line in listing.splitlines():
        label = re.match(r"^([0-9a-f]+) <(.*)>:$", line)
        instruction = re.match(r"^\s*([0-9a-f]+):", line)
        if label:
            current = int(label.group(1), 16)
            starts.setdefault(current, label.group(2))
            bodies[current] = []
            continue
        if instruction and int(instruction.group(1), 16) in starts:
            current = int(instruction.group(1), 16)
            bodies.setdefault(current, [])
        if current is not None:
            bodies[current].append(line)
    for name, (ordinal, convention, argument_bytes) in expected.items():
        if name not in exports:
            continue
        address = image.image_base + exports[name][1]
        if address not in bodies:
            failures.append("%s: no function at 0x%x in the disassembly" % (name, address))
            continue
        returns = collect_returns(bodies, address)
        wanted = "ret    $0x%x" % argument_bytes if convention == "callee" and argument_bytes \
            else "ret"
        if not returns or any(r != wanted for r in returns):
            failures.append("%s (%s, %s): returns %s, expected %r" % (
                name, starts[address], convention, returns, wanted))


# Names without their leading underscores.
THREAD_RECORD_MAKERS = {"pthread_self", "emutls_get_address", "cxa_guard_acquire"}


def check_thread_records(dll, objdump, failures):
    for name in sorted(set(function_starts(dll, objdump).values())):
        if name.lstrip("_").split("@")[0] in THREAD_RECORD_MAKERS:
            failures.append("links %s, which keeps a record of every thread it meets" % name)


def def_exports(def_file):
    """The export names of a module-definition file ("Name = Internal@N @3" gives Name)."""
    names = set()
    in_exports = False
    for line in open(def_file):
        words = line.split(";")[0].split()
        if not words:
            continue
        if words[0].upper() in ("EXPORTS", "LIBRARY", "NAME"):
            in_exports = words[0].upper() == "EXPORTS"
        elif in_exports:
            names.add(words[0])
    return names


def main():
    dll, expected_file, version, objdump = sys.argv[1:5]
    allowed_hosts = {}
    for argument in sys.argv[5:]:
        name, _, def_file = argument.partition("=")
        allowed_hosts[name.lower()] = def_exports(def_file) if def_file else None
    expected = {}
    for line in open(expected_file):
        line = line.split("#")[0].split()
        if line:
            expected[line[1]] = (int(line[0]), line[2], int(line[3]))
    image = PeImage(open(dll, "rb").read())
    if image.is_pe32_plus:
        # 64-bit Windows decorates no name: "_ZtDllInit@0" is exported as "ZtDllInit".
        expected = {re.sub(r"^_(\w+)@\d+$", r"\1", name): row for name, row in expected.items()}
    failures = []

    if os.path.basename(dll) != FILE_NAMES.get(version):
        failures.append("the file is named %r" % os.path.basename(dll))
    library_name, exports = image.exports()
    if library_name != "ZtFunc32.dll":
        failures.append("export directory names %r" % library_name)
    for name, (ordinal, _, _) in expected.items():
        if name not in exports:
            failures.append("missing export %s" % name)
        elif exports[name][0] != ordinal:
            failures.append("%s has ordinal %d, expected %d" % (name, exports[name][0], ordinal))
    for name in exports:
        if name not in expected:
            failures.append("unexpected export %s" % name)

    imports = image.imports()
    for name, functions in imports.items():
        if name.lower() not in SYSTEM_DLLS | allowed_hosts.keys():
            failures.append("imports %s" % name)
        elif allowed_hosts.get(name.lower()) is not None:
            for function in functions:
                if function not in allowed_hosts[name.lower()]:
                    failures.append("imports %r from %s, which exports no such name" % (
                        function, name))

    check_version(image, version, failures)
    check_thread_records(dll, objdump, failures)
    if image.machine == 0x14C:  # 32-bit x86: the calling conventions show in the returns
        check_returns(dll, image, exports, expected, objdump, failures)

    for failure in failures:
        print("FAIL: " + failure)
    print("%d exports, imports %s: %s" % (len(exports), ", ".join(imports),
                                          "failed" if failures else "ok"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
