#!/usr/bin/env python3
"""Reads a Windows shortcut (.lnk) for the smoke test: prints its target and its working
folder, one a line, as Windows paths.

    lnk.py SHORTCUT
"""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, HAS_NAME, HAS_RELATIVE_PATH, HAS_WORKING_DIR, IS_UNICODE = 0x1, 0x2, 0x4, 0x8, 0x10, 0x80


def read(path):
    data = open(path, "rb").read()
    if struct.unpack_from("<I", data, 0)[0] != 0x4C:
        sys.exit(f"{path}: not a shortcut")
    flags = struct.unpack_from("<I", data, 20)[0]
    at = 0x4C
    if flags & HAS_ID_LIST:
        at += 2 + struct.unpack_from("<H", data, at)[0]
    target = ""
    if flags & HAS_LINK_INFO:
        size, header = struct.unpack_from("<II", data, at)
        local_offset = struct.unpack_from("<I", data, at + 16)[0]
        if header >= 0x24:
            unicode_offset = struct.unpack_from("<I", data, at + 28)[0]
            end = data.index(b"\0\0", at + unicode_offset)
            end += (end - at - unicode_offset) % 2
            target = data[at + unicode_offset:end].decode("utf-16-le")
        else:
            end = data.index(b"\0", at + local_offset)
            target = data[at + local_offset:end].decode("mbcs" if sys.platform == "win32" else "cp1251")
        at += size
    strings = {}
    for flag in (HAS_NAME, HAS_RELATIVE_PATH, HAS_WORKING_DIR):
        if flags & flag:
            count = struct.unpack_from("<H", data, at)[0]
            width = 2 if flags & IS_UNICODE else 1
            raw = data[at + 2:at + 2 + count * width]
            strings[flag] = raw.decode("utf-16-le" if width == 2 else "cp1251")
            at += 2 + count * width
    return target, strings.get(HAS_WORKING_DIR, "")


if __name__ == "__main__":
    for line in read(sys.argv[1]):
        print(line)
