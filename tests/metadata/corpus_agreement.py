#!/usr/bin/env python3
"""Counts the files of a corpus whose capture date, as `lumenscribe date`
finds it, agrees with the dates exiftool read (expected.tsv).

The expected date is the first real date of DateTimeOriginal, CreateDate
(DateTimeDigitized) and IFD0 ModifyDate (DateTime); a file with none of them
agrees when the date found is any date its other_date column names, and a
file with no date at all agrees when none is found. Run under TZ=UTC, where
instants stored as UTC read as written.

usage: TZ=UTC corpus_agreement.py LUMENSCRIBE CORPUS_DIR [-v]
"""
import csv
import os
import re
import subprocess
import sys

DATE = re.compile(r"(\d{4})[:/-](\d{2})[:/-](\d{2})[ T](\d{2}):(\d{2}):(\d{2})")


# A day and a time in two tags (RIFF DateCreated and TimeCreated).
SPLIT = re.compile(r"DateCreated=(\d{4}):(\d{2}):(\d{2});.*?TimeCreated=(\d{2}):(\d{2}):(\d{2})")


def dates_in(text):
    return ["%s-%s-%s %s:%s:%s" % m.groups() for pattern in (DATE, SPLIT) for m in pattern.finditer(text)
            if m.group(1) != "0000"]


def main():
    binary, corpus = sys.argv[1], sys.argv[2]
    verbose = "-v" in sys.argv
    with open(os.path.join(corpus, "expected.tsv"), newline="") as f:
        rows = [r for r in csv.reader((l for l in f if not l.startswith("#")), delimiter="\t")]
    header, rows = rows[0], rows[1:]
    col = {name: i for i, name in enumerate(header)}
    agree = 0
    for row in rows:
        exif = [d for key in ("exif_datetimeoriginal", "exif_datetimedigitized", "exif_ifd0_datetime")
                for d in dates_in(row[col[key]])]
        wanted = exif[:1] if exif else dates_in(row[col["other_date"]])
        out = subprocess.run([binary, "date", os.path.join(corpus, row[0])],
                             capture_output=True, text=True).stdout.strip().split("\t")
        found = out[1] if len(out) > 2 and out[2] not in ("-", "creation-date") else None
        ok = (found in wanted) if wanted else found is None
        agree += ok
        if verbose:
            print("%s\t%s\t%s\t%s" % ("ok" if ok else "DIFF", row[0], found, " | ".join(wanted) or "-"))
    print("%d of %d files agree" % (agree, len(rows)))


if __name__ == "__main__":
    main()
