#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz corpus into fuzz/corpus/ (files seed-*).

Each input is one byte that picks the region (its value mod 57) and the size of
the reader's refills (its value div 57), followed by the log itself. The seeds
are the bundled samples and small hostile logs; the few large ones (a 100,000
byte line, 500 fields, county lines of 40 counties) are why this is a script.
Run it from anywhere; it only rewrites the seed-* files.
"""

import pathlib
import re

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent
CORPUS = HERE / "corpus"

REGIONS = {"MD": 19, "PA": 37, "TX": 42, "MARAC": 50, "NAQP": 52, "7QP": 54,
           "USCQP": 55, "MULTI": 56}
SAMPLES = {"pa-qso-party": "PA", "us-counties-qso-party": "USCQP", "naqp": "NAQP",
           "7qp-neqp-inqp": "MULTI"}
COUNTY_FIELDS = ["CNTY", "CTY", "CTY2", "CTY3", "CTY4", "EXCHANGE1", "QTH", "qth_rcvd",
                 "RCVD", "RCVD_QTH", "SRX", "APP_N1MM_EXCHANGE1", "APP_N1MM_MISCTEXT",
                 "APP_WRITELOG_CNTY", "APP_WRITELOG_CTY2", "APP_WRITELOG_CTY3",
                 "APP_WRITELOG_CTY4", "APP_WRITELOG_QTH", "APP_WRITELOG_RCVD",
                 "APP_WRITELOG_RCVD_QTH"]
TABLES = {"PA": "state_pa.cpp", "TX": "state_tx.cpp", "MD": "state_md.cpp",
          "MARAC": "contest_marac.cpp", "USCQP": "contest_uscqp.cpp", "7QP": "contest_7qp.cpp",
          "MULTI": "contest_neqp.cpp"}
HEADER = b"Seed log\r\n<ADIF_VER:5>3.1.4 <PROGRAMID:4>SEED\r\n<EOH>\r\n"


def region_byte(region, chunk=0):
    """The first byte: region id plus 57 times the refill choice (0..3)."""
    return bytes([REGIONS[region] + 57 * chunk])


def field(name, value=None):
    if isinstance(name, str):
        name = name.encode("latin-1")
    if value is None:
        return b"<" + name + b">"
    if isinstance(value, str):
        value = value.encode("latin-1")
    return b"<%s:%d>%s" % (name, len(value), value)


def keys_of(region):
    """Distinct keys of a region's table, read from its source."""
    text = (ROOT / "counties" / "tables" / TABLES[region]).read_text()
    keys = re.findall(r'^\s*\{"([A-Z]+)",', text, re.M)
    return list(dict.fromkeys(keys))


def county_line(region, count):
    keys = keys_of(region)[:count]
    fields = [field("CALL", "W3ABC/" + keys[0]), field("QSO_DATE", "20241012"),
              field("TIME_ON", "235958"), field("STX", "1")]
    for i, key in enumerate(keys):
        fields.append(field(COUNTY_FIELDS[i % len(COUNTY_FIELDS)], key.lower() if i % 3 else key))
    fields += [field("STATE", "PA"), field("comment", "12 county line"), field("EOR")]
    return HEADER + b" ".join(fields) + b"\r\n"


def record(*fields):
    return b" ".join(fields) + b" <EOR>\r\n"


def seeds():
    for name, region in SAMPLES.items():
        yield "sample-" + name, region_byte(region) + (ROOT / "samples" / (name + ".adi")).read_bytes()

    call, qth = field("CALL", "W1AW"), field("QTH", "cen")
    yield "length-past-data", region_byte("PA", 1) + HEADER + record(
        b"<CALL:5000>W1AW", field("BAND", "20M"), qth) + record(b"<NAME:40>Bob\r\n", call)
    yield "length-2-40", region_byte("PA", 2) + HEADER + record(
        b"<CALL:1099511627776>W1AW", qth, b"<NAME:99999999999999999999999999>Bob")
    yield "length-negative", region_byte("PA", 3) + HEADER + record(
        b"<CALL:-5>W1AW", b"<QTH:-1>CEN", b"<NAME:-9223372036854775808>Bob", b"<BAND: -3 :N>20M")
    yield "lt-at-line-end", region_byte("PA") + HEADER + (
        call + b" <\r\n" + qth + b"<\r\n<NAME:3>Bob <QTH\r\n<RST:3\r\n<EOR><\r\n")
    yield "eof-mid-record", region_byte("PA", 1) + HEADER + record(call, field("BAND", "20M")) + (
        call + b" <QTH:3>C\x1aEN <EOR>\r\n" + record(field("CALL", "K1AB"), qth))
    yield "eof-after-cr", region_byte("PA", 2) + HEADER + record(call, qth) + b"<CALL:2>K1\r\x1a\n"
    yield "no-end-of-header", region_byte("PA") + (
        b"Header only\r\n<ADIF_VER:5>3.1.4\r\n<Eoh>\r\n" + record(call, qth) * 3)
    yield "empty-after-header", region_byte("TX") + HEADER
    yield "lone-cr-line-ends", region_byte("PA", 3) + HEADER.replace(b"\r\n", b"\r") + (
        record(call, qth).replace(b"\r\n", b"\r") * 2)

    many = [field("CALL", "K3MANY")]
    for i in range(498):
        many.append(field(COUNTY_FIELDS[i % 20], ["CEN", "ALL", "x%d" % i, "PA", "ON"][i % 5])
                    if i % 2 else field("APP_X_%d" % i, str(i)))
    yield "500-fields", region_byte("PA", 1) + HEADER + record(*many)

    # NOTES grows until the line holds 100,000 bytes, its CR LF included.
    parts = [field("CALL", "W5LONG/BEX"), None, field("QTH", "bex"), field("CTY2", "har")]
    parts[1] = field("NOTES", "")
    # The value's five-digit length replaces the 0: four bytes more.
    parts[1] = field("NOTES", "n" * (100_000 - len(record(*parts)) - 4))
    yield "line-100000", region_byte("TX", 1) + HEADER + record(*parts)

    yield "nul-bytes", region_byte("PA", 2) + HEADER + record(
        field("CALL", "W1\0AW"), field("QTH", "\0EN"), field("N\0AME", "a\0b"), b"<\0>", b"\0")
    yield "high-bytes", region_byte("MD", 3) + HEADER + record(
        field("CALL", "W\xe9AW/\xc4NN"), field("Q\xc4TH", "c\xe9n"), field("\xff\xfe", "\x80\x81"),
        field("QTH", "\xc4nn"), field("CNTY", "m\xfcn"), field("comment", "7 \xe9t\xe9"))
    for region, chunk in [("PA", 0), ("TX", 1), ("USCQP", 2), ("MARAC", 3), ("7QP", 0),
                          ("MULTI", 1)]:
        yield "county-line-40-" + region.lower(), region_byte(region, chunk) + county_line(region, 40)

    yield "times-and-names", region_byte("PA", 2) + HEADER + record(
        field("Call", "W3X/CEN"), field("QSO_Date", "20240310"), field("Time_On", "0230"),
        field("cnty", "cen"), field("Qth", "bed")) + record(
        field("call", "w3y/cen"), b"<TIME_ON:5>02301", b"<QSO_DATE:8:D>20241103",
        field("CNTY", "PA,Centre"), field("CNTY", "PA,Centre"), field("QTH", "cen"),
        field("QTH", "EPA"), field("QTH", "mar"), field("QTH", "dx"), field("QTH", "QUE"),
        field("comment", " 12 serial  "), field("APP_WRITELOG_RST", "599"))
    yield "naqp-and-multi", region_byte("NAQP", 1) + HEADER + record(
        field("CALL", "K1ABC"), field("QTH", "John TX"), field("SRX", "Sue ON"))
    yield "multi-independent-city", region_byte("MULTI", 3) + HEADER + record(
        field("CALL", "W7C"), field("QTH", "nvcar"), field("QTH", "idada"), field("QTH", "mehan"))


def main():
    CORPUS.mkdir(exist_ok=True)
    for old in CORPUS.glob("seed-*"):
        old.unlink()
    for name, data in seeds():
        (CORPUS / ("seed-" + name)).write_bytes(data)


if __name__ == "__main__":
    main()
