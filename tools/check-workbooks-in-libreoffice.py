#!/usr/bin/env python3
"""Opens every exported workbook of a folder in LibreOffice Calc and compares
the cells its <name>.expected file lists (sheet, cell, text per line, tab
separated) with what LibreOffice shows. LibreOffice converts each sheet to
CSV with a private profile that recalculates every formula on load, so a
stale cached formula value cannot pass."""

import csv
import glob
import os
import re
import subprocess
import sys
import tempfile

RECALCULATE_ON_LOAD = """<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry"
           xmlns:xs="http://www.w3.org/2001/XMLSchema"
           xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load">
  <prop oor:name="OOXMLRecalcMode" oor:op="fuse"><value>0</value></prop></item>
</oor:items>
"""
# Comma separated, quoted texts, UTF-8, numbers as stored, every sheet.
CSV_FILTER = "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1"


def cell_index(address):
    match = re.fullmatch(r"([A-Z]+)([0-9]+)", address)
    column = 0
    for letter in match.group(1):
        column = column * 26 + ord(letter) - ord("A") + 1
    return int(match.group(2)) - 1, column - 1


def convert(workbooks, out_dir, home):
    profile = os.path.join(home, ".config", "libreoffice", "4", "user")
    os.makedirs(profile, exist_ok=True)
    with open(os.path.join(profile, "registrymodifications.xcu"), "w") as xcu:
        xcu.write(RECALCULATE_ON_LOAD)
    env = dict(os.environ, HOME=home)
    subprocess.run(["soffice", "--headless", "--convert-to", CSV_FILTER, "--outdir", out_dir] + workbooks,
                   env=env, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=600)


def shown(out_dir, book, sheet, address):
    path = os.path.join(out_dir, "%s-%s.csv" % (book, sheet))
    if not os.path.exists(path):
        return None
    with open(path, newline="", encoding="utf-8") as f:
        rows = list(csv.reader(f))
    row, column = cell_index(address)
    if row >= len(rows) or column >= len(rows[row]):
        return ""
    return rows[row][column]


def main(folder):
    workbooks = sorted(glob.glob(os.path.join(folder, "*.xlsx")))
    if not workbooks:
        print("no exported workbooks in %s" % folder)
        return 1
    failures = 0
    with tempfile.TemporaryDirectory() as home, tempfile.TemporaryDirectory() as out_dir:
        convert(workbooks, out_dir, home)
        for workbook in workbooks:
            book = os.path.splitext(os.path.basename(workbook))[0]
            with open(os.path.join(folder, book + ".expected"), encoding="utf-8", newline="\n") as f:
                lines = f.read().split("\n")
            for line in lines:
                if not line:
                    continue
                sheet, address, expected = line.split("\t", 2)
                expected = expected.replace("\\n", "\n")
                actual = shown(out_dir, book, sheet, address)
                if actual != expected:
                    failures += 1
                    print("%s %s!%s: expected %r, LibreOffice shows %r" % (book, sheet, address, expected, actual))
    print("%d workbooks checked, %d cells differ" % (len(workbooks), failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
