#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads ohmaris-calc's CSV tables back with Python's csv module, as a
spreadsheet in the run's locale would take them, and checks every cell
against the same sweep printed as JSON.

    read_csv_back.py OHMARIS_CALC EXPECTED_DECIMAL_MARK

The locale comes from the environment (CTest runs this under C.UTF-8 and
under ru_RU.UTF-8); EXPECTED_DECIMAL_MARK says which mark that locale must
have, so a run that did not get its locale cannot pass for one that did.
Exits 1 with one line per fault.
"""
import csv
import io
import json
import locale
import subprocess
import sys

SWEEPS = [
    # Seven variants and ten capacitances: the class's answer key.
    ["2", "step=12", "SF=1", "--vary", "variant=1:1:7", "--vary", "C=10:10:100"],
    # Arrays by index, small and large numbers.
    ["6", "S0=1", "S1=1", "S2=1", "S3=1", "S4=1", "S5=1", "S6=1", "--vary", "U=0.5,100,1000"],
    # A sampling lab's records; an input stored with its offset.
    ["7", "events=S1@0", "at=0.5,2.4", "--vary", "C=0.5,10"],
]


def run(calc, args):
    p = subprocess.run([calc] + args, capture_output=True)
    if p.returncode != 0:
        raise SystemExit(f"FAIL: {' '.join(args)}: status {p.returncode}: {p.stderr.decode()}")
    return p.stdout


def main():
    calc, expected_mark = sys.argv[1], sys.argv[2]
    locale.setlocale(locale.LC_ALL, "")
    mark = locale.localeconv()["decimal_point"]
    faults = []
    if mark != expected_mark:
        faults.append(f"the locale's decimal mark is {mark!r}, not {expected_mark!r}: the locale is missing")
    # A spreadsheet in a decimal-comma locale separates fields with ';'.
    delimiter = ";" if mark == "," else ","

    for args in SWEEPS:
        what = " ".join(args)
        raw = run(calc, args + ["--format", "csv"])
        text = raw.decode("utf-8")
        # RFC 4180: every record ends in CR LF.
        if text.count("\n") != text.count("\r\n") or not text.endswith("\r\n"):
            faults.append(f"{what}: records do not all end in CR LF")
        rows = list(csv.reader(io.StringIO(text, newline=""), delimiter=delimiter, strict=True))
        header, body = rows[0], rows[1:]
        records = [json.loads(line) for line in run(calc, args + ["--format", "json"]).decode().splitlines()]
        if len(body) != len(records):
            faults.append(f"{what}: {len(body)} CSV rows, {len(records)} JSON rows")
            continue
        names = list(records[0].keys())
        # The header is the JSON's names, each with its unit in brackets.
        bare = [h.split(" [", 1)[0] for h in header]
        if bare != names:
            faults.append(f"{what}: header {header} is not the columns {names}")
            continue
        if not any(h.endswith("]") for h in header):
            faults.append(f"{what}: no unit in the header {header}")
        for r, (cells, record) in enumerate(zip(body, records), start=1):
            if len(cells) != len(names):
                faults.append(f"{what}: row {r} has {len(cells)} fields, not {len(names)}")
                continue
            for name, cell in zip(names, cells):
                if mark != "." and "." in cell:
                    faults.append(f"{what}: row {r}, {name}: {cell!r} has a point in a {mark!r} locale")
                # The locale's own reading of the number, as a spreadsheet's.
                value = locale.atof(cell)
                if value != record[name]:
                    faults.append(f"{what}: row {r}, {name}: CSV {cell!r} reads {value!r}, JSON has {record[name]!r}")
    for f in faults:
        print("FAIL:", f)
    if not faults:
        print(f"ok: {len(SWEEPS)} sweeps read back with delimiter {delimiter!r} and decimal mark {mark!r}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
