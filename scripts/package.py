#!/usr/bin/env python3
"""Packs a release of Vostrel into OUT_DIR: vostrel-VERSION-windows-x64.zip
with the exe, the licence and the Chinese user guide, and SHA256SUMS over the
zip and the exe, in the format `sha256sum -c` reads. Prints the exe's size and
SHA-256.

The same inputs give the same bytes: every entry has one fixed time (the
environment's SOURCE_DATE_EPOCH, or else the last commit's time), fixed
permissions and a fixed order, and nothing depends on the time zone, the
locale, the umask or the files' own times.

Usage: package.py EXE VERSION SOURCE_DIR OUT_DIR
"""

import hashlib
import os
import subprocess
import sys
import time
import zipfile
from pathlib import Path

GUIDE = "使用说明.txt"
BOM = "\ufeff".encode("utf-8")


def release_time(source: Path) -> int:
    if "SOURCE_DATE_EPOCH" in os.environ:
        return int(os.environ["SOURCE_DATE_EPOCH"])
    try:
        out = subprocess.run(["git", "-C", str(source), "log", "-1", "--format=%ct"],
                             check=True, capture_output=True, text=True).stdout
        return int(out)
    except (OSError, subprocess.CalledProcessError, ValueError):
        sys.exit("package: not a git checkout; set SOURCE_DATE_EPOCH to the release's time")


def windows_text(path: Path, bom: bool) -> bytes:
    """A text committed as UTF-8 with LF line ends, as Notepad on every Windows
    reads it: CR LF, and with a BOM where the text is more than ASCII (without
    one, Notepad before Windows 10 takes it for the local code page)."""
    data = path.read_bytes()
    if data.startswith(BOM) or b"\r" in data:
        sys.exit(f"package: {path} must be UTF-8 without BOM, with LF line ends")
    data.decode("utf-8")  # fails loudly on anything else
    return (BOM if bom else b"") + data.replace(b"\n", b"\r\n")


def entry(name: str, moment: time.struct_time) -> zipfile.ZipInfo:
    info = zipfile.ZipInfo(name, date_time=moment[:6])
    info.create_system = 3  # Unix, so that the permissions below are what unzip restores
    info.external_attr = 0o100644 << 16  # a regular file, rw-r--r--
    info.compress_type = zipfile.ZIP_DEFLATED
    return info  # a name beyond ASCII gets the UTF-8 flag from zipfile itself


def sha256(data: bytes) -> str:
    return hashlib.sha256(data).hexdigest()


def main() -> None:
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    exe, version, source, out = Path(sys.argv[1]), sys.argv[2], Path(sys.argv[3]), Path(sys.argv[4])
    moment = time.gmtime(max(release_time(source), 315532800))  # zip times start in 1980

    files = [  # in this order in the zip
        ("vostrel.exe", exe.read_bytes()),
        (GUIDE, windows_text(source / "docs" / GUIDE, bom=True)),
        ("LICENSE", windows_text(source / "LICENSE", bom=False)),
    ]
    zip_name = f"vostrel-{version}-windows-x64.zip"

    out.mkdir(parents=True, exist_ok=True)
    for old in list(out.glob("vostrel-*-windows-x64.zip")) + [out / "SHA256SUMS"]:
        old.unlink(missing_ok=True)
    zip_path = out / zip_name
    with zipfile.ZipFile(zip_path, "w") as archive:
        for name, data in files:
            archive.writestr(entry(name, moment), data, compresslevel=9)

    exe_data = files[0][1]
    sums = f"{sha256(zip_path.read_bytes())}  {zip_name}\n{sha256(exe_data)}  vostrel.exe\n"
    (out / "SHA256SUMS").write_text(sums, encoding="ascii", newline="\n")

    print(f"{zip_path}")
    print(f"{out / 'SHA256SUMS'}")
    print(f"vostrel.exe: {len(exe_data)} bytes ({len(exe_data) / 1024:.0f} KB), SHA-256 {sha256(exe_data)}")


if __name__ == "__main__":
    main()
