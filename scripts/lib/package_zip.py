#!/usr/bin/env python3
"""Assembles the release zip and its checksum file from a built program.

    package_zip.py ROOT EXE UNSTRIPPED DIST EPOCH COMMIT

ROOT is the source tree, EXE the stripped spindrift-clock.exe that ships,
UNSTRIPPED the program as linked, DIST the folder that receives
spindrift-clock-<name>-win32.zip, the unstripped program beside it as
spindrift-clock-<name>-win32-unstripped.exe (its symbols name the function
at a crash address of the shipped one) and SHA256SUMS for both, EPOCH the time
(seconds since 1970) that every zip entry carries, COMMIT the tree's short
commit.

<name> is the version, the CMake project's, when the change log's newest
section is that release; when changes not yet released stand above it (an
"Unreleased" section), the package holds more than that version and is named
<version>-dev.<COMMIT>, so that a name without "-dev" always means one
released program. The zip's CHANGELOG.txt starts with that newest section.

The zip is the same bytes for the same inputs: entries in a fixed order, one
time for all, fixed permissions, no extra fields, one compression level. The
change log, the README, the manifest and the program's own version resource
must all agree with the version, and the program must carry its security
marks, or nothing is written.
"""

import hashlib
import os
import re
import struct
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
    # Changes not yet released gather under "## Unreleased" above the newest
    # release, which is the one the version must name.
    newest = re.search(r"^## (?!Unreleased\s*$)(\S+)", (root / "CHANGELOG.md").read_text(), re.M)
    if not newest or newest.group(1) != version:
        fail(f"CHANGELOG.md's newest release is {newest and newest.group(1)}, the project is {version}")
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


def changelog_sections(root):
    """The change log from its newest section on, and whether that section
    is changes not yet released."""
    text = (root / "CHANGELOG.md").read_text(encoding="utf-8")
    first = re.search(r"^## ", text, re.M)
    if not first:
        fail("CHANGELOG.md has no section")
    sections = text[first.start():]
    return sections, re.match(r"## Unreleased\s*$", sections.splitlines()[0]) is not None


# PE header fields: the file header's characteristics, and the optional
# header's operating system and subsystem versions and DLL characteristics
# (the same offsets in 32-bit and 64-bit programs).
LARGE_ADDRESS_AWARE = 0x0020
DYNAMIC_BASE, NX_COMPAT, TERMINAL_SERVER_AWARE = 0x0040, 0x0100, 0x8000


def check_security_marks(exe_bytes, unstripped_bytes):
    """The marks Windows and scanners look for: relocatable, data never run as
    code, aware of Remote Desktop, made for Windows 7 (6.1), able to use more
    than 2 GiB, and its own code built with the stack protector."""
    pe = struct.unpack_from("<I", exe_bytes, 0x3C)[0]
    characteristics = struct.unpack_from("<H", exe_bytes, pe + 22)[0]
    optional = pe + 24
    os_version = struct.unpack_from("<HH", exe_bytes, optional + 40)
    subsystem_version = struct.unpack_from("<HH", exe_bytes, optional + 48)
    dll = struct.unpack_from("<H", exe_bytes, optional + 70)[0]
    wanted = DYNAMIC_BASE | NX_COMPAT | TERMINAL_SERVER_AWARE
    if dll & wanted != wanted:
        fail(f"the program's DLL characteristics are {dll:#06x}, not all of {wanted:#06x}")
    if subsystem_version != (6, 1) or os_version != (6, 1):
        fail(f"the program is made for subsystem {subsystem_version}, system {os_version}, not 6.1")
    if not characteristics & LARGE_ADDRESS_AWARE:
        fail("the program is not large-address-aware")
    if b"__stack_chk_fail" not in unstripped_bytes:
        fail("the program's own code has no stack protector")


def pe_sections(exe_bytes):
    """{name: (address, bytes)} of a PE file's sections. A name longer than
    eight bytes is "/n": offset n into the string table after the symbols."""
    pe = struct.unpack_from("<I", exe_bytes, 0x3C)[0]
    count, symbols, symbol_count, optional_size = struct.unpack_from("<H4xIIH", exe_bytes, pe + 6)
    strings = symbols + 18 * symbol_count
    table = pe + 24 + optional_size
    sections = {}
    for i in range(count):
        name, _, address, size, offset = struct.unpack_from("<8sIIII", exe_bytes, table + 40 * i)
        name = name.rstrip(b"\0")
        if name.startswith(b"/") and symbols:
            start = strings + int(name[1:])
            name = exe_bytes[start:exe_bytes.index(b"\0", start)]
        sections[name.decode("ascii", "replace")] = (address, exe_bytes[offset:offset + size])
    return sections


def check_stripped(exe_bytes, unstripped_bytes):
    """The shipped program is the unstripped one without its debugging sections
    and symbols: every section it has is the unstripped one's, at the same
    address with the same bytes, so a crash address reads the same in both."""
    shipped, full = pe_sections(exe_bytes), pe_sections(unstripped_bytes)
    kept = {name: section for name, section in full.items() if not name.startswith(".debug")}
    if shipped != kept:
        fail("the stripped program's sections are not the unstripped one's without debugging")


def windows_text(path, version=None):
    """A text file as Windows users read it: CR LF line ends, UTF-8."""
    text = path.read_text(encoding="utf-8")
    if version is not None:
        text = text.replace("@VERSION@", version)
    return windows_lines(text)


def windows_lines(text):
    """Text as Windows users read it: CR LF line ends, UTF-8."""
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8")


def contents(root, exe_bytes, label, changes):
    """(name, bytes) in the zip's order; bytes None for a folder. README.txt
    names the package's label: its version, "-dev" and all."""
    sets = sorted((root / "sets").glob("*.set"))
    if not sets:
        fail("sets/ holds no .set files")
    return [
        ("spindrift-clock.exe", exe_bytes),
        ("README.txt", windows_text(root / "docs" / "package-readme.txt", label)),
        ("LICENSE.txt", windows_text(root / "LICENSE")),
        ("NOTICE.txt", windows_text(root / "sets" / "NOTICE.txt")),  # the hands' credit
        ("CHANGELOG.txt", windows_lines(changes)),
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
    if len(sys.argv) != 7:
        fail("usage: package_zip.py ROOT EXE UNSTRIPPED DIST EPOCH COMMIT")
    root, exe, unstripped = Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3])
    dist, epoch, commit = Path(sys.argv[4]), int(sys.argv[5]), sys.argv[6]
    version = project_version(root)
    exe_bytes, unstripped_bytes = exe.read_bytes(), unstripped.read_bytes()
    check_one_version(root, version, exe_bytes)
    check_stripped(exe_bytes, unstripped_bytes)
    check_security_marks(exe_bytes, unstripped_bytes)
    changes, unreleased = changelog_sections(root)
    label = f"{version}-dev.{commit}" if unreleased else version

    dist.mkdir(parents=True, exist_ok=True)
    for stale in [*dist.glob("spindrift-clock-*-win32.zip"),
                  *dist.glob("spindrift-clock-*-win32-unstripped.exe")]:
        stale.unlink()
    name = f"spindrift-clock-{label}-win32.zip"
    symbols = f"spindrift-clock-{label}-win32-unstripped.exe"
    write_replacing(dist / name,
                    lambda p: write_zip(p, contents(root, exe_bytes, label, changes), epoch))
    write_replacing(dist / symbols, lambda p: p.write_bytes(unstripped_bytes))
    sums = "".join(f"{hashlib.sha256((dist / n).read_bytes()).hexdigest()}  {n}\n"
                   for n in (name, symbols))
    write_replacing(dist / "SHA256SUMS", lambda p: p.write_text(sums))
    for n in (name, symbols):
        print(f"{dist / n} {(dist / n).stat().st_size} bytes")
    print(f"spindrift-clock.exe in the zip: {len(exe_bytes)} bytes")


if __name__ == "__main__":
    main()
