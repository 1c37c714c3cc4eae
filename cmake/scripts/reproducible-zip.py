#!/usr/bin/env python3
"""Writes a zip again so that the same files always give the same bytes.

    reproducible-zip.py ZIP EPOCH

Every entry is dated at EPOCH (seconds since 1970, in UTC; a zip can date
nothing before 1980), the entries follow in the order of their names, and
their modes are fixed: 0755 for folders and programs, 0644 for the rest.
No entry keeps an extra field, so no access, change or owner is recorded.
"""
import sys
import time
import zipfile

ZIP_EARLIEST = 315532800  # 1980-01-01 00:00:00 UTC


def main(path, epoch):
    date_time = time.gmtime(max(int(epoch), ZIP_EARLIEST))[:6]
    with zipfile.ZipFile(path) as old:
        entries = sorted(((info, old.read(info)) for info in old.infolist()),
                         key=lambda entry: entry[0].filename)
    with zipfile.ZipFile(path, "w") as new:
        for old_info, data in entries:
            info = zipfile.ZipInfo(old_info.filename, date_time)
            info.create_system = 3  # Unix, whose modes the entry carries
            if old_info.is_dir():
                info.external_attr = 0o40755 << 16 | 0x10  # and MS-DOS's folder bit
                new.writestr(info, data)
            else:
                runs = (old_info.external_attr >> 16) & 0o111
                info.external_attr = (0o100755 if runs else 0o100644) << 16
                new.writestr(info, data, zipfile.ZIP_DEFLATED, 9)


if __name__ == "__main__":
    main(*sys.argv[1:])
