"""The package's own PEP 517 build backend: the wheel and the sdist from the
files of this folder, with the standard library alone, so that a build needs
nothing from a package index.

Run as a script it writes the wheel into a folder, as the release does:
    python3 build_backend/quorvel_build.py DIST_DIR

Both archives are reproducible: their entries are sorted and carry the time of
SOURCE_DATE_EPOCH (1980-01-01, the earliest a zip holds, without it).
"""

from __future__ import annotations

import base64
import gzip
import hashlib
import io
import os
import re
import sys
import tarfile
import time
import tomllib
import zipfile
from pathlib import Path
from typing import Dict, List, Optional, Tuple

ROOT = Path(__file__).resolve().parent.parent
PACKAGE = "quorvel"
# What the package is: its modules and the marker that it has type hints.
PACKAGE_FILES = ["quorvel/__init__.py", "quorvel/py.typed"]
SDIST_FILES = ["pyproject.toml", "README.md", "build_backend/quorvel_build.py"] + PACKAGE_FILES
TAG = "py3-none-any"
EARLIEST_ZIP_TIME = 315532800  # 1980-01-01 00:00:00 UTC


def _epoch() -> int:
    return max(int(os.environ.get("SOURCE_DATE_EPOCH", EARLIEST_ZIP_TIME)), EARLIEST_ZIP_TIME)


def _version() -> str:
    """The project's version from ../CMakeLists.txt, or from PKG-INFO in an sdist."""
    cmake = ROOT.parent / "CMakeLists.txt"
    if cmake.is_file():
        found = re.search(r"^project\(Quorvel VERSION ([0-9.]+)[ )]", cmake.read_text(), re.M)
        if found:
            return found.group(1)
    info = ROOT / "PKG-INFO"
    if info.is_file():
        found = re.search(r"^Version: (\S+)$", info.read_text(), re.M)
        if found:
            return found.group(1)
    raise RuntimeError(f"quorvel_build: no version in {cmake} or {info}")


def _metadata() -> str:
    project = tomllib.loads((ROOT / "pyproject.toml").read_text())["project"]
    lines = ["Metadata-Version: 2.1", f"Name: {project['name']}", f"Version: {_version()}",
             f"Summary: {project['description']}", f"License: {project['license']['text']}",
             f"Requires-Python: {project['requires-python']}"]
    lines += [f"Classifier: {c}" for c in project.get("classifiers", [])]
    lines.append("Description-Content-Type: text/markdown")
    return "\n".join(lines) + "\n\n" + (ROOT / project["readme"]).read_text()


def _dist_info() -> str:
    return f"{PACKAGE}-{_version()}.dist-info"


def _hash(data: bytes) -> str:
    digest = base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b"=")
    return "sha256=" + digest.decode()


def _write_zip(path: Path, entries: List[Tuple[str, bytes]]) -> None:
    stamp = time.gmtime(_epoch())[:6]
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, data in entries:
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.external_attr = 0o644 << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, data)


def _wheel_entries() -> List[Tuple[str, bytes]]:
    info = _dist_info()
    entries = [(name, (ROOT / name).read_bytes()) for name in PACKAGE_FILES]
    entries.append((f"{info}/METADATA", _metadata().encode()))
    entries.append((f"{info}/WHEEL", (f"Wheel-Version: 1.0\nGenerator: quorvel_build\n"
                                      f"Root-Is-Purelib: true\nTag: {TAG}\n").encode()))
    entries.append((f"{info}/top_level.txt", f"{PACKAGE}\n".encode()))
    record = "".join(f"{name},{_hash(data)},{len(data)}\n" for name, data in entries)
    record += f"{info}/RECORD,,\n"
    entries.append((f"{info}/RECORD", record.encode()))
    return entries


def build_wheel(wheel_directory: str, config_settings: Optional[Dict] = None,
                metadata_directory: Optional[str] = None) -> str:
    """Writes the wheel into wheel_directory and returns its file name."""
    name = f"{PACKAGE}-{_version()}-{TAG}.whl"
    _write_zip(Path(wheel_directory) / name, _wheel_entries())
    return name


def prepare_metadata_for_build_wheel(metadata_directory: str,
                                     config_settings: Optional[Dict] = None) -> str:
    """Writes the wheel's .dist-info folder alone, for a front end that asks first."""
    info = _dist_info()
    for name, data in _wheel_entries():
        if name.startswith(info + "/") and not name.endswith("/RECORD"):
            target = Path(metadata_directory) / name
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
    return info


def build_sdist(sdist_directory: str, config_settings: Optional[Dict] = None) -> str:
    """Writes the source archive, with the version in its PKG-INFO."""
    base = f"{PACKAGE}-{_version()}"
    entries = [(name, (ROOT / name).read_bytes()) for name in SDIST_FILES]
    entries.append(("PKG-INFO", _metadata().encode()))
    name = f"{base}.tar.gz"
    # The gzip header's time too is the fixed one.
    with open(Path(sdist_directory) / name, "wb") as file, \
            gzip.GzipFile(fileobj=file, mode="wb", mtime=_epoch()) as packed, \
            tarfile.open(fileobj=packed, mode="w", format=tarfile.PAX_FORMAT) as archive:
        for member, data in sorted(entries):
            info = tarfile.TarInfo(f"{base}/{member}")
            info.size, info.mtime, info.mode = len(data), _epoch(), 0o644
            archive.addfile(info, io.BytesIO(data))
    return name


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: quorvel_build.py DIST_DIR")
    print(build_wheel(sys.argv[1]))
