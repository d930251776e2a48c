"""Quorvel's county conversion of ADIF logs, over the C library libquorvel.

The library is the file named by the environment variable QUORVEL_LIBRARY
(a build tree's), else the installed one found by its soname,
libquorvel.so.1 (Debian package libquorvel1). ctypes releases the
interpreter lock during each call, so threads convert in parallel.
"""

from __future__ import annotations

import ctypes
import os
from dataclasses import dataclass, field
from typing import List, NamedTuple, Optional, Tuple, Union

__all__ = ["Error", "Region", "Result", "regions", "resolve", "convert", "convert_bytes"]

_KINDS = ("info", "warning", "error")
_RESOLVED = ("unknown", "county", "state", "province")
# As quorvel-convert's --county-lines and the forms of its --report.
_COUNTY_LINES = ("split", "split-usaca", "single")
_REPORTS = (None, "text", "json", "csv")

_READ = ctypes.CFUNCTYPE(ctypes.c_ssize_t, ctypes.c_void_p, ctypes.POINTER(ctypes.c_char),
                         ctypes.c_size_t)
_WRITE = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.POINTER(ctypes.c_char),
                          ctypes.c_size_t)
_LISTING = ctypes.CFUNCTYPE(None, ctypes.c_void_p, ctypes.c_int, ctypes.c_char_p)


class _Options(ctypes.Structure):
    _fields_ = [("region", ctypes.c_int), ("add_mobile", ctypes.c_int),
                ("county_lines", ctypes.c_int), ("report", ctypes.c_int),
                ("report_write", _WRITE)]


def _load() -> ctypes.CDLL:
    name = os.environ.get("QUORVEL_LIBRARY") or "libquorvel.so.1"
    try:
        lib = ctypes.CDLL(name)
    except OSError as error:
        raise ImportError(f"quorvel needs the C library {name} (Debian package libquorvel1, "
                          f"or QUORVEL_LIBRARY naming the file): {error}") from None
    lib.quorvel_version.restype = ctypes.c_char_p
    lib.quorvel_region_abbreviation.restype = ctypes.c_char_p
    lib.quorvel_region_name.restype = ctypes.c_char_p
    lib.quorvel_region_offered.argtypes = [ctypes.c_int]
    lib.quorvel_region_lookup.argtypes = [ctypes.c_char_p]
    lib.quorvel_resolve.argtypes = [ctypes.c_int, ctypes.c_char_p, ctypes.c_size_t,
                                    ctypes.c_char_p, ctypes.c_size_t]
    lib.quorvel_convert_file.argtypes = [ctypes.POINTER(_Options), ctypes.c_char_p,
                                         ctypes.c_char_p, _LISTING, ctypes.c_void_p,
                                         ctypes.c_char_p, ctypes.c_size_t]
    lib.quorvel_convert_stream.argtypes = [ctypes.POINTER(_Options), _READ, _WRITE, _LISTING,
                                           ctypes.c_void_p, ctypes.c_char_p, ctypes.c_size_t]
    return lib


_lib = _load()
__version__: str = _lib.quorvel_version().decode()


class Error(Exception):
    """A refused request; str() is the system's own text."""


@dataclass
class Result:
    """A conversion's listing as quorvel-convert prints it, its lines with
    their kinds, for convert_bytes the converted log, and the county report
    when one was asked for (the bytes quorvel-convert writes to its --report
    file)."""

    listing: str = ""
    messages: List[Tuple[str, str]] = field(default_factory=list)
    output: bytes = b""
    report: bytes = b""


class Region(NamedTuple):
    """A state or contest a log can be converted for. offered: one that the
    programs list (quorvel-convert --list-regions); the others are states
    without county tables, accepted all the same."""

    id: int
    abbreviation: str
    name: str
    offered: bool


def regions() -> List[Region]:
    """Every region, by id."""
    return [Region(i, _lib.quorvel_region_abbreviation(i).decode(),
                   _lib.quorvel_region_name(i).decode(), _lib.quorvel_region_offered(i) == 1)
            for i in range(_lib.quorvel_region_count())]


def _region(region: Union[int, str]) -> int:
    found = _lib.quorvel_region_lookup(str(region).encode())
    if found < 0:
        raise Error(f"ERROR: Unknown region '{region}'.")
    return found


def resolve(region: Union[int, str], value: str) -> Tuple[str, str]:
    """What value means in region: ("county", "PA,Centre"), ("state", "OH"),
    ("province", "ON") or ("unknown", "")."""
    data = value.encode()
    out = ctypes.create_string_buffer(256)
    kind = _lib.quorvel_resolve(_region(region), data, len(data), out, len(out))
    text = out.value.decode() if kind in (1, 2) else (value.upper() if kind == 3 else "")
    return _RESOLVED[kind], text


def _run(call, options: _Options, result: Result) -> Result:
    lines: List[str] = []
    report: List[bytes] = []

    @_LISTING
    def listing(_context, kind, line):
        text = line.decode("utf-8", "replace")
        result.messages.append((_KINDS[kind], text))
        lines.append(text + "\n")

    @_WRITE
    def write_report(_context, buffer, size):
        report.append(ctypes.string_at(buffer, size))
        return 0

    if options.report:
        options.report_write = write_report
    error = ctypes.create_string_buffer(512)
    if call(listing, error) != 0:
        raise Error(error.value.decode("utf-8", "replace"))
    result.listing = "".join(lines)
    result.report = b"".join(report)
    return result


def _options(region: Union[int, str], add_mobile: bool, county_lines: str,
             report: Optional[str]) -> _Options:
    if county_lines not in _COUNTY_LINES:
        raise ValueError(f"county_lines must be one of {', '.join(_COUNTY_LINES)}")
    if report not in _REPORTS:
        raise ValueError("report must be None, 'text', 'json' or 'csv'")
    return _Options(_region(region), 1 if add_mobile else 0, _COUNTY_LINES.index(county_lines),
                    _REPORTS.index(report))


def convert(input_path: str, output_path: str, region: Union[int, str],
            add_mobile: bool = True, county_lines: str = "split",
            report: Optional[str] = None) -> Result:
    """Converts the file input_path into output_path, as quorvel-convert
    --region REGION [--no-mobile] [--county-lines FORM] [--report FILE]
    does; report is the report's form ("text", "json", "csv"), or None."""
    options = _options(region, add_mobile, county_lines, report)
    return _run(lambda listing, error: _lib.quorvel_convert_file(
        ctypes.byref(options), os.fsencode(input_path), os.fsencode(output_path), listing, None,
        error, len(error)), options, Result())


def convert_bytes(data: bytes, region: Union[int, str], add_mobile: bool = True,
                  county_lines: str = "split", report: Optional[str] = None) -> Result:
    """Converts a log in memory, as quorvel-convert does for "- -"; the
    result's output is the converted log."""
    options = _options(region, add_mobile, county_lines, report)
    view = memoryview(bytes(data))
    position = [0]
    chunks: List[bytes] = []

    @_READ
    def read(_context, buffer, size):
        n = min(size, len(view) - position[0])
        ctypes.memmove(buffer, bytes(view[position[0]:position[0] + n]), n)
        position[0] += n
        return n

    @_WRITE
    def write(_context, buffer, size):
        chunks.append(ctypes.string_at(buffer, size))
        return 0

    result = _run(lambda listing, error: _lib.quorvel_convert_stream(
        ctypes.byref(options), read, write, listing, None, error, len(error)), options, Result())
    result.output = b"".join(chunks)
    return result
