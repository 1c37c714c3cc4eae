#!/usr/bin/env python3
"""Writes a gzipped tarball again so that the same files always give the same bytes.

    reproducible-tar.py TARBALL EPOCH

Every entry is dated at EPOCH (seconds since 1970), the entries follow in
the order of their names, they belong to user and group 0 with no names,
and their modes are fixed: 0755 for folders and programs, 0644 for the
rest. A folder that has entries but none of its own gets one. The gzip
header names no file and no time.
"""
import gzip
import io
import sys
import tarfile


def main(path, epoch):
    with tarfile.open(path) as old:
        entries = {info.name.removeprefix("./").rstrip("/"): info for info in old.getmembers()}
        for name in list(entries):
            while "/" in name:
                name = name.rsplit("/", 1)[0]
                entries.setdefault(name, tarfile.TarInfo(name)).type = tarfile.DIRTYPE
        out = io.BytesIO()
        with tarfile.open(fileobj=out, mode="w", format=tarfile.GNU_FORMAT) as new:
            for name, old_info in sorted(entries.items()):
                info = tarfile.TarInfo(name)
                info.type, info.size, info.linkname = old_info.type, old_info.size, old_info.linkname
                info.mtime = int(epoch)
                runs = old_info.isdir() or old_info.mode & 0o111
                info.mode = 0o755 if runs else 0o644
                new.addfile(info, old.extractfile(old_info) if old_info.isfile() else None)
    with open(path, "wb") as file, gzip.GzipFile("", "wb", 9, file, mtime=0) as packed:
        packed.write(out.getvalue())


if __name__ == "__main__":
    main(*sys.argv[1:])
