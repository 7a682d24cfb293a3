#!/usr/bin/env python3
"""Packs files into a ZIP that comes out the same, byte for byte, whenever the files do.

The entries are sorted by name and dated SOURCE_DATE_EPOCH (the time of the last commit in a
release; the present time without it), read as UTC; each is rw-r--r--, or rwxr-xr-x when its
owner may run it, whatever the umask; no owner or other detail of the build machine goes in.

    make_zip.py ZIP FOLDER NAME...
"""
import os
import sys
import time
import zipfile

# The oldest time a ZIP entry can hold: 1980-01-01 00:00 UTC.
ZIP_EPOCH = 315532800


def entry_for(name, path, date_time):
    entry = zipfile.ZipInfo(name, date_time)
    entry.create_system = 3  # Unix, so that the permissions below are read
    entry.compress_type = zipfile.ZIP_DEFLATED
    mode = 0o100755 if os.stat(path).st_mode & 0o100 else 0o100644
    entry.external_attr = mode << 16
    return entry


def main():
    archive, folder, names = sys.argv[1], sys.argv[2], sorted(sys.argv[3:])
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", time.time()))
    date_time = time.gmtime(max(epoch, ZIP_EPOCH))[:6]
    partial = archive + ".part"
    with zipfile.ZipFile(partial, "w") as out:
        for name in names:
            path = os.path.join(folder, name)
            with open(path, "rb") as data:
                out.writestr(entry_for(name, path, date_time), data.read(), compresslevel=9)
    os.replace(partial, archive)


if __name__ == "__main__":
    main()
