#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a CSV file as a spreadsheet in the system locale reads it, and
prints what it found as JSON: {"decimal_point": ".", "delimiter": ",",
"rows": [[cell, ...], ...]}. A cell is a number when it is written the way
the locale writes numbers (its own decimal mark, nothing else), otherwise
the text it holds. The file must be UTF-8 with RFC 4180 records (CR LF
after every record); anything else ends the script with status 1."""

import csv
import json
import locale
import re
import sys


def main(path):
    locale.setlocale(locale.LC_ALL, "")
    point = locale.localeconv()["decimal_point"]
    delimiter = ";" if point == "," else ","
    with open(path, "rb") as f:
        raw = f.read()
    raw.decode("utf-8")  # strict: a wrong byte fails the read
    if raw and not raw.endswith(b"\r\n"):
        sys.exit("the last record does not end in CR LF")
    number = re.compile(r"^-?[0-9]+(" + re.escape(point) + r"[0-9]+)?([eE][-+]?[0-9]+)?$")

    def cell(s):
        if number.match(s):
            return float(s.replace(point, "."))
        return s

    with open(path, newline="", encoding="utf-8") as f:
        rows = [[cell(c) for c in row] for row in csv.reader(f, delimiter=delimiter, strict=True)]
    if b"\n" in raw.replace(b"\r\n", b""):
        sys.exit("a line ends in a bare LF")
    json.dump({"decimal_point": point, "delimiter": delimiter, "rows": rows}, sys.stdout, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1])
