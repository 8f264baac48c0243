#!/usr/bin/env python3
"""Regenerates data/foods.csv from the USDA National Nutrient Database text files.

Usage: tools/make_food_csv.py SR_DIR [OUT_CSV]

SR_DIR holds ABBREV.txt, FOOD_DES.txt and WEIGHT.txt (release SR21 as shipped in Debian's
gourmand package, folder gourmand/data of its Python package). The build only reads the CSV;
this script runs by hand when the source release changes.

One row per food, nutrient values per 100 g exactly as the release gives them (empty where the
release has no value), the first household measure as the serving (100 g where a food has none),
and the restaurant id from data/restaurants.csv for foods whose maker is one of those chains.
"""

import csv
import os
import sys
from fractions import Fraction

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "..", "data")

# Field positions in ABBREV.txt (release SR21, 51 fields).
ABBREV_FIELDS = {
    "kcal": 3,
    "protein": 4,
    "fat": 5,
    "carb": 7,
    "fiber": 8,
    "calcium": 10,
    "iron": 11,
    "sodium": 15,
    "cholesterol": 45,
}
OUT_COLUMNS = ["id", "type", "restaurant", "name", "serving", "grams", "kcal", "fat",
               "cholesterol", "sodium", "protein", "calcium", "iron", "fiber", "carb"]

# Household amounts the release writes as decimals, in the form a cook writes them.
COMMON_FRACTIONS = [Fraction(1, 8), Fraction(1, 6), Fraction(1, 4), Fraction(1, 3),
                    Fraction(1, 2), Fraction(2, 3), Fraction(3, 4)]


def read_caret_file(path):
    """Rows of a caret-separated, tilde-quoted release file."""
    with open(path, encoding="latin-1", newline="") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if line:
                yield [field.strip("~") for field in line.split("^")]


def compact_number(text):
    """'1.50' -> '1.5', '0.000' -> '0'; empty stays empty."""
    if text == "":
        return ""
    value = float(text)
    out = ("%.4f" % value).rstrip("0").rstrip(".")
    return "0" if out in ("", "-0") else out


def amount_text(text):
    """'1' -> '1', '.5' -> '1/2', '1.25' -> '1 1/4', '3.527' -> '3.527'."""
    value = float(text)
    whole = int(value)
    rest = value - whole
    if abs(rest) < 1e-6:
        return str(whole)
    for frac in COMMON_FRACTIONS:
        if abs(rest - float(frac)) < 0.0051:
            part = "%d/%d" % (frac.numerator, frac.denominator)
            return part if whole == 0 else "%d %s" % (whole, part)
    return compact_number(text)


def tidy(text):
    """Single blanks, none inside parentheses or before commas."""
    text = " ".join(text.split())
    return text.replace(" ,", ",").replace("( ", "(").replace(" )", ")")


def serving_text(amount, measure):
    return "%s %s" % (amount_text(amount), tidy(measure))


def read_restaurants():
    with open(os.path.join(DATA, "restaurants.csv"), encoding="utf-8", newline="") as f:
        return {row["maker"]: row["id"] for row in csv.DictReader(f)}


def main():
    if len(sys.argv) < 2:
        sys.exit("usage: make_food_csv.py SR_DIR [OUT_CSV]")
    sr_dir = sys.argv[1]
    out_path = sys.argv[2] if len(sys.argv) > 2 else os.path.join(DATA, "foods.csv")

    descriptions = {row[0]: row for row in read_caret_file(os.path.join(sr_dir, "FOOD_DES.txt"))}
    first_measure = {}
    for row in read_caret_file(os.path.join(sr_dir, "WEIGHT.txt")):
        ndb, seq = row[0], int(row[1])
        if ndb not in first_measure or seq < first_measure[ndb][0]:
            first_measure[ndb] = (seq, row[2], row[3], row[4])
    restaurants = read_restaurants()

    rows = []
    for values in read_caret_file(os.path.join(sr_dir, "ABBREV.txt")):
        ndb = values[0]
        desc = descriptions[ndb]
        if ndb in first_measure:
            _, amount, measure, grams = first_measure[ndb]
            serving, grams = serving_text(amount, measure), compact_number(grams)
        else:
            serving, grams = "100 g", "100"
        out = {
            "id": str(int(ndb)),
            "type": desc[1],
            "restaurant": restaurants.get(desc[5], ""),
            "name": tidy(desc[2]),
            "serving": serving,
            "grams": grams,
        }
        for column, index in ABBREV_FIELDS.items():
            out[column] = compact_number(values[index])
        rows.append(out)
    rows.sort(key=lambda r: int(r["id"]))

    with open(out_path, "w", encoding="utf-8", newline="") as f:
        writer = csv.DictWriter(f, fieldnames=OUT_COLUMNS, lineterminator="\n")
        writer.writeheader()
        writer.writerows(rows)
    print("%d foods written to %s" % (len(rows), out_path))


if __name__ == "__main__":
    main()
