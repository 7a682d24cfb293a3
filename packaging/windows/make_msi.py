#!/usr/bin/env python3
"""Makes the installer with wixl so that the same files give the same bytes.

wixl dates the installer by the clock and draws its package code at random, and the cabinet
inside keeps each file's modification time. This runs wixl in a folder of copies of the files,
dated SOURCE_DATE_EPOCH (the present time without it), then writes that date into the
installer's summary information and, as its package code, a UUID drawn from the installer's own
bytes in the namespace given: the same files give the same code, any change another.

    make_msi.py OUTPUT NAMESPACE FILE... -- WIXL [ARGUMENT...]

WIXL runs in the folder of the copies, where each FILE is found by its own name, and writes
OUTPUT.
"""
import hashlib
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import uuid

import olefile

SUMMARY = "\x05SummaryInformation"
PID_REVISION_NUMBER = 9  # the package code
PID_CREATED = 12
PID_LAST_SAVED = 13
VT_LPSTR = 30
VT_FILETIME = 64
# FILETIME counts 100 ns steps from 1601-01-01; Unix time seconds from 1970-01-01.
FILETIME_UNIX_EPOCH = 11644473600
PLACEHOLDER_CODE = "{00000000-0000-0000-0000-000000000000}"


def properties(summary):
    """The offsets of the summary's properties by id, in its one section."""
    section = struct.unpack_from("<I", summary, 44)[0]
    count = struct.unpack_from("<I", summary, section + 4)[0]
    found = {}
    for index in range(count):
        pid, offset = struct.unpack_from("<II", summary, section + 8 + 8 * index)
        found[pid] = section + offset
    return found


def pin_summary(summary, epoch, package_code):
    at = properties(summary)
    filetime = (epoch + FILETIME_UNIX_EPOCH) * 10**7
    for pid in (PID_CREATED, PID_LAST_SAVED):
        assert struct.unpack_from("<I", summary, at[pid])[0] == VT_FILETIME
        struct.pack_into("<Q", summary, at[pid] + 4, filetime)
    assert struct.unpack_from("<I", summary, at[PID_REVISION_NUMBER])[0] == VT_LPSTR
    code = package_code.encode("ascii")
    # The code keeps its length, so the stream keeps its size, as olefile needs.
    assert struct.unpack_from("<I", summary, at[PID_REVISION_NUMBER] + 4)[0] == len(code) + 1
    start = at[PID_REVISION_NUMBER] + 8
    summary[start : start + len(code)] = code


def write_summary(path, epoch, package_code):
    with olefile.OleFileIO(path, write_mode=True) as installer:
        summary = bytearray(installer.openstream(SUMMARY).read())
        pin_summary(summary, epoch, package_code)
        installer.write_stream(SUMMARY, bytes(summary))


def main():
    split = sys.argv.index("--")
    output, namespace, files = sys.argv[1], uuid.UUID(sys.argv[2]), sys.argv[3:split]
    wixl = sys.argv[split + 1 :]
    output = os.path.abspath(output)
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", time.time()))
    with tempfile.TemporaryDirectory() as folder:
        for path in files:
            copy = os.path.join(folder, os.path.basename(path))
            shutil.copyfile(path, copy)
            os.utime(copy, (epoch, epoch))
        subprocess.run(wixl + ["-o", output], cwd=folder, check=True)
    write_summary(output, epoch, PLACEHOLDER_CODE)
    with open(output, "rb") as installer:
        digest = hashlib.sha256(installer.read()).hexdigest()
    write_summary(output, epoch, "{%s}" % str(uuid.uuid5(namespace, digest)).upper())


if __name__ == "__main__":
    main()
