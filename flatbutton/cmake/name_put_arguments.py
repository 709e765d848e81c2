#!/usr/bin/env python3
"""Gives the argument of every property put in a type library the name New_<property>.

    name_put_arguments.py library.tlb

widl stores no name for the argument of a propput or propputref accessor, although the IDL
names it (New_BackColor, ...), so object browsers would show it unnamed. The type library is
in the MSFT format: a header, an offset per type information, a directory of 16-byte
segment entries (the first the 0x64-byte type information records, the eighth the name
table); a record points at its functions' data at 0x04 and counts them at 0x18. The name
table is copied to the end of the file with the new names, and the directory entry, the
header's name counts (0x30, 0x34) and each argument's name offset are set to it. The new
names are left out of the name hash, which only serves looking up type and member names.
"""
import struct
import sys

INVOKE_PROPERTYPUT, INVOKE_PROPERTYPUTREF = 4, 8


def main(path):
    data = bytearray(open(path, "rb").read())

    def get(offset):
        return struct.unpack_from("<i", data, offset)[0]

    def put(offset, value):
        struct.pack_into("<i", data, offset, value)

    if data[:4] != b"MSFT":
        sys.exit(f"{path} is not an MSFT type library")
    count = get(0x20)
    directory = 0x54 + (4 if get(0x14) & 0x100 else 0) + 4 * count
    records = get(directory)
    name_entry = directory + 7 * 16
    names_at, names_size = get(name_entry), get(name_entry + 4)
    names = bytearray(data[names_at:names_at + names_size])

    def name_at(offset):
        length = names[offset + 8]
        return names[offset + 12:offset + 12 + length].decode("ascii")

    added = {}

    def name_offset(text):
        if text not in added:
            added[text] = len(names)
            encoded = text.encode("ascii")
            names.extend(struct.pack("<iii", -1, -1, len(encoded)))
            names.extend(encoded.ljust((len(encoded) + 3) & ~3, b"W"))
        return added[text]

    for index in range(count):
        record = records + index * 0x64
        functions = get(record + 0x18) & 0xFFFF
        members = functions + (get(record + 0x18) >> 16)
        if functions == 0:
            continue
        start = get(record + 0x04)
        size = get(start)
        at = start + 4
        for function in range(functions):
            length = get(at) & 0xFFFF
            invoke = (get(at + 16) >> 3) & 0xF
            arguments = struct.unpack_from("<h", data, at + 20)[0]
            if invoke in (INVOKE_PROPERTYPUT, INVOKE_PROPERTYPUTREF) and arguments == 1:
                argument = at + length - 12
                if get(argument + 4) == -1:
                    own_name = get(start + 4 + size + 4 * members + 4 * function)
                    put(argument + 4, name_offset("New_" + name_at(own_name)))
            at += length

    if not added:
        sys.exit(f"{path}: no unnamed property put argument")
    # A record without functions points at the old end of the file: it finds an empty
    # function data block there rather than the names.
    data.extend(bytes(4))
    put(name_entry, len(data))
    put(name_entry + 4, len(names))
    put(0x30, get(0x30) + len(added))
    put(0x34, get(0x34) + sum(len(text) for text in added))
    data.extend(names)
    open(path, "wb").write(data)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
