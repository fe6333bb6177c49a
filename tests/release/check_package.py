#!/usr/bin/env python3
"""Packs the exe under test with scripts/package.py, as `make dist` does, and
checks the package as a user meets it: the zip holds the exe that was tested,
the guide and the licence, in that order, with names that Windows shows
correctly and texts that Notepad reads; every entry has the release's time
and the same permissions; and SHA256SUMS verifies with `sha256sum -c`.

Usage: check_package.py EXE VERSION SOURCE_DIR
"""

import os
import subprocess
import sys
import tempfile
import time
import zipfile
from pathlib import Path

RELEASE_TIME = 1700000000  # 2023-11-14 22:13:20 UTC, an even second as zip times are
BOM = "\ufeff".encode("utf-8")

faults = []


def expect(ok: bool, what: str) -> None:
    if not ok:
        faults.append(what)


def check_windows_text(name: str, data: bytes, committed: bytes, bom: bool) -> None:
    expect(data.startswith(BOM) == bom, f"{name}: {'no' if bom else 'a'} byte order mark")
    body = data[len(BOM):] if data.startswith(BOM) else data
    lines = body.split(b"\r\n")
    expect(all(b"\n" not in line and b"\r" not in line for line in lines), f"{name}: a line end other than CR LF")
    expect(body.endswith(b"\r\n"), f"{name}: the last line has no line end")
    expect(body.replace(b"\r\n", b"\n") == committed, f"{name}: the text differs from the committed one")


def main() -> None:
    exe, version, source = Path(sys.argv[1]), sys.argv[2], Path(sys.argv[3])
    with tempfile.TemporaryDirectory() as out:
        out = Path(out)
        env = dict(os.environ, SOURCE_DATE_EPOCH=str(RELEASE_TIME))
        subprocess.run([sys.executable, str(source / "scripts" / "package.py"), str(exe), version, str(source),
                        str(out)], check=True, env=env)

        zip_name = f"vostrel-{version}-windows-x64.zip"
        expect(sorted(p.name for p in out.iterdir()) == sorted([zip_name, "SHA256SUMS"]),
               f"the package is {sorted(p.name for p in out.iterdir())}, not {zip_name} and SHA256SUMS")
        with zipfile.ZipFile(out / zip_name) as archive:
            expect(archive.testzip() is None, "a damaged entry")
            entries = archive.infolist()
            names = [e.filename for e in entries]
            expect(names == ["vostrel.exe", "使用说明.txt", "LICENSE"], f"entries {names}")
            for e in entries:
                expect(e.date_time == time.gmtime(RELEASE_TIME)[:6], f"{e.filename}: time {e.date_time}")
                expect(e.external_attr >> 16 == 0o100644, f"{e.filename}: mode {oct(e.external_attr >> 16)}")
                # Without the flag, Windows' zip folder reads the name in the local code page.
                ascii_name = e.filename.isascii()
                expect(ascii_name or e.flag_bits & 0x800, f"{e.filename}: not marked as UTF-8")
            contents = {name: archive.read(name) for name in names}

        expect(contents.get("vostrel.exe") == exe.read_bytes(), "vostrel.exe is not the exe under test")
        if "使用说明.txt" in contents:
            check_windows_text("使用说明.txt", contents["使用说明.txt"],
                               (source / "docs" / "使用说明.txt").read_bytes(), bom=True)
        if "LICENSE" in contents:
            check_windows_text("LICENSE", contents["LICENSE"], (source / "LICENSE").read_bytes(), bom=False)

        # As a user checks a download: next to the zip and the exe taken out of it.
        (out / "vostrel.exe").write_bytes(contents.get("vostrel.exe", b""))
        result = subprocess.run(["sha256sum", "--strict", "-c", "SHA256SUMS"], cwd=out, capture_output=True, text=True)
        expect(result.returncode == 0, f"sha256sum -c SHA256SUMS: {result.stdout}{result.stderr}")
        expect(result.stdout.splitlines() == [f"{zip_name}: OK", "vostrel.exe: OK"],
               f"SHA256SUMS covers {result.stdout.splitlines()}, not the zip and the exe")

    for fault in faults:
        print(f"package: {fault}")
    if faults:
        sys.exit(1)
    print(f"package: {zip_name} and SHA256SUMS as a user gets them")


if __name__ == "__main__":
    main()
