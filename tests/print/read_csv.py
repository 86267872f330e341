#!/usr/bin/env python3
"""Reads a CSV file as a spreadsheet program would and prints what it found as JSON: whether
it begins with the UTF-8 byte-order mark, whether every line ends with CR LF, and its records.
A file that is not UTF-8, or whose quoting is wrong, makes it fail."""
import csv
import io
import json
import sys

with open(sys.argv[1], "rb") as f:
    raw = f.read()
text = raw.decode("utf-8-sig")
records = list(csv.reader(io.StringIO(text, newline=""), strict=True))
print(json.dumps({
    "bom": raw.startswith(b"\xef\xbb\xbf"),
    "crlf": raw.count(b"\n") == raw.count(b"\r\n") and raw.endswith(b"\r\n"),
    "records": records,
}, ensure_ascii=False))
