#!/usr/bin/env python3
"""Assembles the release zip and its checksum file from a built program.

    package_zip.py ROOT EXE DIST EPOCH

ROOT is the source tree, EXE the built spindrift-clock.exe, DIST the folder
that receives spindrift-clock-<version>-win32.zip and SHA256SUMS, EPOCH the
time (seconds since 1970) that every entry carries.

The zip is the same bytes for the same inputs: entries in a fixed order, one
time for all, fixed permissions, no extra fields, one compression level. The
version is the CMake project's; the change log, the README, the manifest and
the program's own version resource must all agree with it, or nothing is
written.
"""

import hashlib
import os
import re
import sys
import tempfile
import time
import zipfile
from pathlib import Path


def fail(message):
    print(f"package: {message}", file=sys.stderr)
    sys.exit(1)


def project_version(root):
    text = (root / "CMakeLists.txt").read_text()
    found = re.search(r"project\(\s*\w+\s+VERSION\s+(\d+\.\d+\.\d+)", text)
    if not found:
        fail("CMakeLists.txt names no project version")
    return found.group(1)


def check_one_version(root, version, exe_bytes):
    """Every place that states the version states the project's."""
    newest = re.search(r"^## (\S+)", (root / "CHANGELOG.md").read_text(), re.M)
    if not newest or newest.group(1) != version:
        fail(f"CHANGELOG.md's newest entry is {newest and newest.group(1)}, the project is {version}")
    if f"spindrift-clock-{version}-win32.zip" not in (root / "README.md").read_text():
        fail(f"README.md does not name spindrift-clock-{version}-win32.zip")
    manifest = (root / "resources" / "spindrift-clock.manifest").read_text()
    if f'name="Spindrift.Clock" version="{version}.0"' not in manifest:
        fail(f"the manifest's assembly version is not {version}.0")
    # A version resource string is its key, NUL, padding to four bytes, value, NUL.
    utf16 = lambda s: s.encode("utf-16-le")
    for key in ("FileVersion", "ProductVersion"):
        pattern = re.escape(utf16(key + "\0")) + b"(?:\0\0)?" + re.escape(utf16(version + "\0"))
        if not re.search(pattern, exe_bytes):
            fail(f"the program's {key} is not {version}: is it built from this tree?")


def windows_text(path, version=None):
    """A text file as Windows users read it: CR LF line ends, UTF-8."""
    text = path.read_text(encoding="utf-8")
    if version is not None:
        text = text.replace("@VERSION@", version)
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8")


def contents(root, exe_bytes, version):
    """(name, bytes) in the zip's order; bytes None for a folder."""
    sets = sorted((root / "sets").glob("*.set"))
    if not sets:
        fail("sets/ holds no .set files")
    return [
        ("spindrift-clock.exe", exe_bytes),
        ("README.txt", windows_text(root / "docs" / "package-readme.txt", version)),
        ("LICENSE.txt", windows_text(root / "LICENSE")),
        ("CHANGELOG.txt", windows_text(root / "CHANGELOG.md")),
        ("sets/", None),
    ] + [(f"sets/{s.name}", s.read_bytes()) for s in sets]


def write_zip(path, entries, epoch):
    # Zip times are local-free calendar fields with two-second steps, from 1980.
    stamp = time.gmtime(max(epoch, 315532800))[:6]
    with zipfile.ZipFile(path, "w") as archive:
        for name, data in entries:
            info = zipfile.ZipInfo(name, stamp)
            info.create_system = 3  # Unix, so that the permissions below are read
            if data is None:
                info.external_attr = (0o40755 << 16) | 0x10  # a folder
                archive.writestr(info, b"")
            else:
                info.external_attr = 0o100644 << 16
                archive.writestr(info, data, zipfile.ZIP_DEFLATED, 9)


def write_replacing(path, write):
    """Writes through a temporary file beside PATH, so PATH is whole or absent."""
    handle, temporary = tempfile.mkstemp(dir=path.parent, prefix=".partial-")
    os.close(handle)
    try:
        write(Path(temporary))
        os.chmod(temporary, 0o644)
        os.replace(temporary, path)
    except BaseException:
        os.unlink(temporary)
        raise


def main():
    if len(sys.argv) != 5:
        fail("usage: package_zip.py ROOT EXE DIST EPOCH")
    root, exe, dist = Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3])
    epoch = int(sys.argv[4])
    version = project_version(root)
    exe_bytes = exe.read_bytes()
    check_one_version(root, version, exe_bytes)

    dist.mkdir(parents=True, exist_ok=True)
    for stale in dist.glob("spindrift-clock-*-win32.zip"):
        stale.unlink()
    name = f"spindrift-clock-{version}-win32.zip"
    write_replacing(dist / name, lambda p: write_zip(p, contents(root, exe_bytes, version), epoch))
    digest = hashlib.sha256((dist / name).read_bytes()).hexdigest()
    write_replacing(dist / "SHA256SUMS", lambda p: p.write_text(f"{digest}  {name}\n"))
    print(f"{dist / name} {(dist / name).stat().st_size} bytes, SHA-256 {digest}")


if __name__ == "__main__":
    main()
