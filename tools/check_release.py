#!/usr/bin/env python3
"""Static checks of a released Windows binary or type library, for builds that cannot run here.

    check_release.py x86|x64 Tapnor.exe Fendle.exe Sleekon.ocx Sleekon.tlb

Prints one line per check, "ok ..." or "FAILED ...", and exits with the number of failures.
A binary must be of the architecture's machine type, import only from Windows system DLLs
and carry a version block, with every resource filed under Japanese (0x0411). The control
library (.ocx) must export exactly the four undecorated COM server entry points; its
embedded type library, like a .tlb file, must be built for the architecture. A program
(.exe) must carry one application manifest that names the architecture's processor and asks
to run as the invoker without UI access, which also keeps UAC's virtualization away from it.
"""
import struct
import sys
import xml.etree.ElementTree as ElementTree

MACHINE = {"x86": 0x14C, "x64": 0x8664}
SYSKIND = {"x86": 1, "x64": 3}  # SYS_WIN32, SYS_WIN64
JAPANESE = 0x0411
RT_VERSION = 16
RT_MANIFEST = 24
MANIFEST_PROCESSOR = {"x86": "x86", "x64": "amd64"}
ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"
SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "imm32.dll", "kernel32.dll",
    "msvcrt.dll", "ole32.dll", "oleaut32.dll", "shell32.dll", "shlwapi.dll", "user32.dll",
    "version.dll", "winmm.dll",
}
CONTROL_EXPORTS = ["DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer",
                   "DllUnregisterServer"]


class Image:
    """The parts of a PE image that the checks read."""

    def __init__(self, data):
        self.data = data
        pe = self.u32(0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE image")
        self.machine = self.u16(pe + 4)
        sections = self.u16(pe + 6)
        optional = pe + 24
        magic = self.u16(optional)
        directories = optional + (96 if magic == 0x10B else 112)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(16)]
        table = optional + self.u16(pe + 20)
        self.sections = [struct.unpack_from("<IIII", data, table + 40 * i + 8)
                         for i in range(sections)]

    def u16(self, offset):
        return struct.unpack_from("<H", self.data, offset)[0]

    def u32(self, offset):
        return struct.unpack_from("<I", self.data, offset)[0]

    def at(self, rva):
        for size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(size, raw_size):
                return raw + rva - address
        raise ValueError(f"RVA {rva:#x} outside every section")

    def text(self, rva):
        start = self.at(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imports(self):
        rva = self.directories[1][0]
        names = []
        while rva and self.u32(self.at(rva) + 12):
            names.append(self.text(self.u32(self.at(rva) + 12)))
            rva += 20
        return names

    def exports(self):
        rva = self.directories[0][0]
        if not rva:
            return []
        directory = self.at(rva)
        count, table = self.u32(directory + 24), self.u32(directory + 32)
        return [self.text(self.u32(self.at(table) + 4 * i)) for i in range(count)]

    def resources(self):
        """(type, name, language, bytes) of every resource; named types as text."""
        if not self.directories[2][0]:
            return []
        root = self.at(self.directories[2][0])
        found = []

        def entries(directory):
            count = self.u16(directory + 12) + self.u16(directory + 14)
            for i in range(count):
                identifier, offset = struct.unpack_from("<II", self.data, directory + 16 + 8 * i)
                if identifier & 0x80000000:  # a name: its length, then UTF-16
                    name = root + (identifier & 0x7FFFFFFF)
                    identifier = self.data[name + 2:name + 2 + 2 * self.u16(name)].decode("utf-16-le")
                yield identifier, offset

        for kind, types in entries(root):
            for name, names in entries(root + (types & 0x7FFFFFFF)):
                for language, leaf in entries(root + (names & 0x7FFFFFFF)):
                    rva, size = struct.unpack_from("<II", self.data, root + leaf)
                    found.append((kind, name, language, self.data[self.at(rva):self.at(rva) + size]))
        return found


def syskind(typelib):
    if typelib[:4] != b"MSFT":
        raise ValueError("not an MSFT type library")
    return struct.unpack_from("<I", typelib, 0x14)[0] & 0xF


def manifest_facts(manifest):
    """The processor the manifest names for the program, and its requested execution level
    and UI access (None where absent)."""
    root = ElementTree.fromstring(manifest)
    identity = root.find(ASM_V1 + "assemblyIdentity")
    processor = identity.get("processorArchitecture") if identity is not None else None
    level = root.find(f"{ASM_V3}trustInfo/{ASM_V3}security/{ASM_V3}requestedPrivileges/"
                      f"{ASM_V3}requestedExecutionLevel")
    if level is None:
        return processor, None, None
    return processor, level.get("level"), level.get("uiAccess")


def check_manifest(arch, path, resources, report):
    manifests = [data for kind, _, _, data in resources if kind == RT_MANIFEST]
    if len(manifests) != 1:
        report(False, f"{path}: {len(manifests)} application manifests")
        return
    processor, level, ui_access = manifest_facts(manifests[0])
    report(processor == MANIFEST_PROCESSOR[arch], f"{path}: manifest processor {processor}")
    report((level, ui_access) == ("asInvoker", "false"),
           f"{path}: manifest execution level {level}, uiAccess {ui_access}")


def check_binary(arch, path, report):
    image = Image(open(path, "rb").read())
    report(image.machine == MACHINE[arch], f"{path}: machine {image.machine:#x}")
    imported = sorted(name.lower() for name in image.imports())
    foreign = [name for name in imported if name not in SYSTEM_DLLS]
    report(imported and not foreign, f"{path}: imports only system DLLs {foreign or imported}")
    resources = image.resources()
    versions = [data for kind, _, _, data in resources if kind == RT_VERSION]
    report(len(versions) == 1 and struct.pack("<I", 0xFEEF04BD) in versions[0],
           f"{path}: version information")
    languages = sorted({language for _, _, language, _ in resources})
    report(languages == [JAPANESE], f"{path}: resource languages {[hex(x) for x in languages]}")
    if path.lower().endswith(".exe"):
        check_manifest(arch, path, resources, report)
    if path.lower().endswith(".ocx"):
        exported = sorted(image.exports())
        report(exported == CONTROL_EXPORTS, f"{path}: exports {exported}")
        typelibs = [data for kind, _, _, data in resources if kind == "TYPELIB"]
        kinds = [syskind(data) for data in typelibs]
        report(kinds == [SYSKIND[arch]], f"{path}: embedded type library SYSKIND {kinds}")


def main(arch, paths):
    failures = 0

    def report(passed, what):
        nonlocal failures
        failures += not passed
        print(("ok " if passed else "FAILED ") + what)

    for path in paths:
        try:
            if path.lower().endswith(".tlb"):
                kind = syskind(open(path, "rb").read())
                report(kind == SYSKIND[arch], f"{path}: SYSKIND {kind}")
            else:
                check_binary(arch, path, report)
        except (OSError, ValueError, struct.error) as error:
            report(False, f"{path}: {error}")
    return failures


if __name__ == "__main__":
    if len(sys.argv) < 3 or sys.argv[1] not in MACHINE:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2:]))
