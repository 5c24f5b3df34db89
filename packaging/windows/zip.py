#!/usr/bin/env python3
"""Packs a folder as a zip that is the same bytes wherever and whenever it is packed.

    zip.py ZIP FOLDER SOURCE_DATE_EPOCH

The entries are FOLDER's files under FOLDER's name, in sorted order, each dated SOURCE_DATE_EPOCH
(UTC), readable by all, with no owner, access or change times of the machine that packed them.
"""
import os
import sys
import time
import zipfile


def main(zip_path, folder, epoch):
    date = time.gmtime(int(epoch))[:6]
    base = os.path.dirname(os.path.abspath(folder))
    files = sorted(os.path.relpath(os.path.join(top, name), base).replace(os.sep, "/")
                   for top, _, names in os.walk(folder) for name in names)
    with zipfile.ZipFile(zip_path, "w") as archive:
        for name in files:
            entry = zipfile.ZipInfo(name, date)
            entry.external_attr = 0o100644 << 16
            with open(os.path.join(base, name), "rb") as data:
                # An entry given as ZipInfo takes its compression from the call, not the archive.
                archive.writestr(entry, data.read(), zipfile.ZIP_DEFLATED, 9)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
