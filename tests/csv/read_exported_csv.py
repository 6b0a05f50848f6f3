#!/usr/bin/env python3
"""Reads a screen exported as CSV the way a spreadsheet would: Python's csv module with ";" as the
separator, the byte-order mark taken as UTF-8's, decimal commas. Runs ondivel-script on a DUAL
bench (a 1 kHz sine of 5 V peak on CH1, a 500 Hz square of 2 V on CH2, 2 V/div, 1 ms/div) that
exports to a file of this test's own, then checks every row against the physics.

usage: read_exported_csv.py ONDIVEL_SCRIPT SCENARIO
"""
import csv
import math
import os
import subprocess
import sys
import tempfile


def number(cell):
    return float(cell.replace(",", "."))


def main():
    program, scenario = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "mesures.csv")
        with open(scenario, encoding="utf-8") as f:
            text = f.read().replace("@CSV@", path)
        script = os.path.join(folder, "export.scn")
        with open(script, "w", encoding="utf-8") as f:
            f.write(text)
        run = subprocess.run([program, script], capture_output=True, text=True)
        if run.returncode != 0:
            sys.exit("ondivel-script failed:\n" + run.stdout + run.stderr)
        with open(path, "rb") as f:
            raw = f.read()
        assert raw.startswith(b"\xef\xbb\xbf"), "no UTF-8 byte-order mark"
        assert b"\r\n" in raw and raw.count(b"\n") == raw.count(b"\r\n"), "lines not all CR LF"
        with open(path, encoding="utf-8-sig", newline="") as f:
            rows = list(csv.reader(f, delimiter=";"))

    assert rows[3] == ["Voie CH1 : 2 V/div ; Voie CH2 : 2 V/div ; Base de temps : 1 ms/div"], rows[3]
    assert rows[4] == ["t (s)", "CH1 (V)", "CH2 (V)"], rows[4]
    data = rows[5:]
    assert len(data) == 2001, len(data)
    for i, row in enumerate(data):
        assert len(row) == 3, row
        t, ch1, ch2 = number(row[0]), number(row[1]), number(row[2])
        # Ten divisions of 1 ms, a sample every 5 µs, written exactly.
        assert t == round(i * 5e-6, 9), (i, row)
        # The sine starts at the trigger point, rising through 0 V.
        assert abs(ch1 - 5 * math.sin(2 * math.pi * 1000 * t)) < 1e-4, (i, row)
        assert abs(ch2) == 2, (i, row)
    print("CSV read back: %d rows checked" % len(data))


if __name__ == "__main__":
    main()
