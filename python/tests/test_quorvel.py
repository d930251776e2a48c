"""The package on the samples, against their checked output, and its errors."""

import os
import pathlib
import subprocess

import pytest

import quorvel

SAMPLES = pathlib.Path(os.environ["QUORVEL_SAMPLES"])
PROGRAM = os.environ["QUORVEL_CONVERT"]  # quorvel-convert, for the same requests
CASES = [("pa-qso-party", "PA"), ("us-counties-qso-party", 55), ("naqp", "naqp"),
         ("7qp-neqp-inqp", "multi")]


@pytest.mark.parametrize("name,region", CASES)
def test_converts_the_samples(name, region, tmp_path, monkeypatch):
    expected_log = (SAMPLES / "expected" / f"{name}.adi").read_bytes()
    expected = (SAMPLES / "expected" / f"{name}.txt").read_text()
    monkeypatch.chdir(tmp_path)
    result = quorvel.convert(str(SAMPLES / f"{name}.adi"), f"{name}.adi", region=region)
    assert result.listing == expected
    assert (tmp_path / f"{name}.adi").read_bytes() == expected_log
    memory = quorvel.convert_bytes((SAMPLES / f"{name}.adi").read_bytes(), region=region)
    assert memory.output == expected_log
    assert memory.listing == expected.replace(f" QSOs to {name}.adi\n", " QSOs\n")
    assert [text for _, text in memory.messages] == memory.listing.splitlines()


@pytest.mark.parametrize("county_lines,report,ending",
                         [("split", "text", ".txt"), ("split-usaca", "json", ".json"),
                          ("single", "csv", ".csv")])
def test_options_give_what_the_program_gives(county_lines, report, ending, tmp_path,
                                             monkeypatch):
    monkeypatch.chdir(tmp_path)
    sample = str(SAMPLES / "pa-qso-party.adi")
    options = ["--region", "PA", "--no-mobile", "--county-lines", county_lines, "--report"]
    files = subprocess.run([PROGRAM, *options, "files" + ending, sample, "out.adi"],
                           capture_output=True, check=True)
    with open(sample, "rb") as log:
        streams = subprocess.run([PROGRAM, *options, "streams" + ending, "-", "-"], stdin=log,
                                 capture_output=True, check=True)

    result = quorvel.convert(sample, "lib.adi", region="PA", add_mobile=False,
                             county_lines=county_lines, report=report)
    assert (tmp_path / "lib.adi").read_bytes() == (tmp_path / "out.adi").read_bytes()
    assert result.listing == files.stdout.decode().replace(" to out.adi\n", " to lib.adi\n")
    assert result.report == (tmp_path / ("files" + ending)).read_bytes()
    memory = quorvel.convert_bytes(pathlib.Path(sample).read_bytes(), region="PA",
                                   add_mobile=False, county_lines=county_lines, report=report)
    assert memory.output == streams.stdout
    assert memory.listing == streams.stderr.decode()
    assert memory.report == (tmp_path / ("streams" + ending)).read_bytes()


def test_kinds_regions_and_resolve():
    result = quorvel.convert_bytes((SAMPLES / "pa-qso-party.adi").read_bytes(), region=37)
    assert result.messages[0][0] == "info"
    assert result.messages[-2] == ("warning",
                                   "WARNING: KB3Z in XYZ is not a valid Pennsylvania county "
                                   "abbreviation.")
    regions = quorvel.regions()
    assert regions[37] == (37, "PA", "Pennsylvania", True)
    assert regions[0].abbreviation == "AK" and not regions[0].offered
    assert sum(region.offered for region in regions) == 44
    assert quorvel.resolve("PA", "CEN") == ("county", "PA,Centre")
    assert quorvel.resolve("Pennsylvania", "oh") == ("state", "OH")
    assert quorvel.resolve("PA", "XYZ") == ("unknown", "")


def test_refusals_raise_the_system_text(tmp_path):
    with pytest.raises(quorvel.Error) as refused:
        quorvel.convert(str(tmp_path / "none.adi"), str(tmp_path / "out.adi"), region="PA")
    assert str(refused.value) == "ERROR: Could not open input file."
    with pytest.raises(quorvel.Error):
        quorvel.convert_bytes(b"", region="XX")
