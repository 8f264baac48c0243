#!/usr/bin/env python3
"""Regenerates data/foods.csv from the USDA National Nutrient Database text files.

Usage: tools/make_food_csv.py SR_DIR [OUT_CSV]

SR_DIR holds ABBREV.txt, FOOD_DES.txt and WEIGHT.txt (release SR21 as shipped in Debian's
gourmand package, folder gourmand/data of its Python package). The build only reads the CSV;
this script runs by hand when the source release changes.

One row per food, nutrient values per 100 g exactly as the release gives them (empty where the
release has no value), the first household measure as the serving (100 g where a food has none),
and the restaurant id from data/restaurants.csv for foods whose maker is one of those chains.

Names and servings are rewritten to read as a person writes them (rules in data/README.md):
brand words in the release's capitals get their usual spelling, a restaurant's items are named
item first with the chain after, and servings become phrases ("1 serving (2 slices)").
"""

import csv
import os
import re
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


# Words the release writes in capitals that keep them: grades, nutrients and product codes that
# mean something to the reader.
KEEP_CAPITALS = {"USDA", "USA", "DHA", "ARA", "BBQ", "BLT", "TV", "PM", "AR", "FOS", "III",
                 "PBM", "KFC"}
# Brand words whose usual spelling title case would not give, and the release's misspellings.
SPELLINGS = {
    "SPAGHETTIOS": "SpaghettiOs", "GOLEAN": "GoLean", "PEDIASURE": "PediaSure",
    "ENFACARE": "EnfaCare", "NEOSURE": "NeoSure", "PROSOBEE": "ProSobee",
    "COCOAVIA": "CocoaVia", "SNACKWELL'S": "SnackWell's", "CORNNUTS": "CornNuts",
    "FRITOLAY": "Frito-Lay", "SUNCHIPS": "SunChips", "MORNINGSTAR": "MorningStar",
    "REESESTICKS": "ReeseSticks", "NESTLE": "Nestlé", "LACTOFREE": "LactoFree",
    "EXTRAVAGANZZA": "ExtravaganZZa", "PEPSICO": "PepsiCo", "M&M'S": "M&M's", "M&M": "M&M",
    "O'S": "O's", "OH!S": "Oh!s", "KELLOG'S": "Kellogg's", "ABBOT": "Abbott",
    "NUTRTION": "Nutrition", "MOR-NU": "Mori-Nu", "MINIS": "Minis", "SMORZ": "Smorz",
    "BIT-O'-HONEY": "Bit-O-Honey", "POWERBAR": "PowerBar", "NFSMI": "school lunch",
}
# Joining words inside a brand name ("CREAM OF WHEAT" -> "Cream of Wheat").
SMALL_WORDS = {"OF", "THE", "TO", "FOR", "AT", "IN", "WITH", "AND", "BY", "OR", "ON"}
# The release's typing slips in names.
NAME_SLIPS = [("IInfant", "Infant"), (",SNICKERS", ", SNICKERS"),
              ("Caramels. dark", "Caramels, dark")]

WORD = re.compile(r"[A-Za-z0-9][A-Za-z0-9'&!.\-]*")


def capitalise(part):
    """'CAMPBELL\'S' -> 'Campbell\'s', 'MALT-O-MEAL' -> 'Malt-O-Meal', 'McNUGGETS' -> 'McNuggets'."""
    if part.startswith("Mc") and len(part) > 2:
        return "Mc" + capitalise(part[2:])
    return "-".join(p[:1].upper() + p[1:].lower() for p in part.split("-"))


def is_shouting(word):
    letters = re.sub(r"[^A-Za-z]", "", word[2:] if word.startswith("Mc") else word)
    return len(letters) >= 2 and letters.isupper()


def respell_word(word, first):
    # "CAMPBELL's", "MINIs": capitals with a plural or possessive ending the source left small
    m = re.match(r"^(Mc)?([A-Z][A-Z&\-]+)('?s)$", word)
    if m and len(re.sub(r"[^A-Z]", "", m.group(2))) >= 2:
        return respell_word((m.group(1) or "") + m.group(2), first) + m.group(3)
    core = word.rstrip(".!") if word.upper() not in SPELLINGS else word
    tail = word[len(core):]
    if core.upper() in SPELLINGS and core.isupper():
        return SPELLINGS[core.upper()] + tail
    if not is_shouting(core) or core in KEEP_CAPITALS:
        return word
    if core[0].isdigit():  # "5TH" -> "5th"
        return core.lower() + tail
    if core in SMALL_WORDS and not first:
        return core.lower() + tail
    return capitalise(core) + tail


def respell(name):
    """Brand words out of the release's capitals, in their usual spelling."""
    for slip, fix in NAME_SLIPS:
        name = name.replace(slip, fix)
    out, last = [], 0
    for m in WORD.finditer(name):
        out.append(name[last:m.start()])
        out.append(respell_word(m.group(0), m.start() == 0))
        last = m.end()
    out.append(name[last:])
    return "".join(out)


# How each chain is written inside the release's names, and the notes that only date the lab
# analysis.
CHAIN_IN_NAME = {
    "1": r"McDONALD'S", "2": r"BURGER KING", "3": r"WENDY'S", "4": r"KENTUCKY FRIED CHICKEN",
    "5": r"POPEYES", "6": r"TACO BELL", "7": r"PIZZA HUT", "8": r"DOMINO'S",
    "9": r"LITTLE CAESARS", "10": r"PAPA JOHN'S",
}
ANALYSIS_NOTE = re.compile(r",? *analyzed (prior to )?([A-Z][a-z]+ )?\d{4}")
NAME_OVERRIDES = {
    # "Tea, ready-to-drink, unsweetened, WENDY'S, fast food, without ice"
    "14601": "Iced tea, unsweetened, without ice",
}


def restaurant_item_name(ndb, name, restaurant_id, chain):
    """'WENDY'S, CLASSIC DOUBLE, with cheese' -> 'Classic Double with cheese (Wendy's)'."""
    item = NAME_OVERRIDES.get(ndb)
    if item is None:
        item = re.sub(r"(^|, *)%s,? *" % CHAIN_IN_NAME[restaurant_id], r"\1", name)
        item = ANALYSIS_NOTE.sub("", item).replace(", fast food", "")
        item = item.replace(", with ", " with ").replace(", without ", " without ")
        # '14" Cheese Pizza, Thin Crust' -> 'Cheese Pizza, 14-inch, Thin Crust': the item leads.
        item = re.sub(r'^(\d+)" ([^,]*)', r"\2, \1-inch", item)
        # "Big Mac (without Big Mac Sauce)" -> "Big Mac without Big Mac Sauce", "Hotcakes (plain)"
        # -> "Hotcakes, plain": the chain's own parentheses follow.
        item = re.sub(r" \(((with|without|for) [^()]*)\)$", r" \1", item)
        item = re.sub(r" \(([^()]*)\)$", r", \1", item)
        item = respell(item.strip(" ,"))
    return "%s (%s)" % (item[:1].upper() + item[1:], chain)


SIZE_WORDS = ("small", "medium", "large", "regular", "child size", "kid's meal")


def serving_text(amount, measure, grams):
    """The household measure as a phrase: '1 serving (2 slices)', '1 child-size cup (12 fl oz)'."""
    amount = amount_text(amount)
    measure = tidy(measure)
    if "pr g" in measure:  # "ckd pr g": the release's cooked weight of a piece, in grams
        return "%s g" % compact_number(grams)
    measure = measure.replace("(l NLEA", "(1 NLEA").replace("(1serving)", "(1 serving)")
    measure = re.sub(r"\b(Serving|Potato|TBSP)\b", lambda m: m.group(1).lower(), measure)
    measure = re.sub(r"(\d)oz\b", r"\1 oz", measure)
    measure = re.sub(r"^potato large\b", "large potato", measure)
    measure = re.sub(r"\bNLEA serving size = ", "serving size ", measure)
    measure = re.sub(r"\(NLEA serving\)", "(1 serving)", measure)
    measure = re.sub(r"\bNLEA serving\b", "serving", measure)
    measure = re.sub(r"\s*\bNFS$", "", measure)
    measure = re.sub(r",? yields$", "", measure)
    measure = re.sub(r"^grams\b", "g", measure)
    measure = re.sub(r"(\d)/ (\d)", r"\1/\2", measure)
    measure = re.sub(r"^junior (\S+) oz\. cup$", r"junior cup (\1 oz)", measure)
    # "fl oz cup child size" with amount 12 -> "child-size cup (12 fl oz)"
    m = re.match(r"^fl oz cup( (child size|regular))?$", measure)
    if m:
        size = (m.group(2) or "").replace("child size", "child-size")
        return "1 %scup (%s fl oz)" % (size + " " if size else "", amount)
    # "serving small" -> "small serving", "kid's meal serving" stays
    m = re.match(r"^(serving) (%s)$" % "|".join(SIZE_WORDS), measure)
    if m:
        return "%s %s %s" % (amount, m.group(2), m.group(1))
    # "serving 2 slices" -> "serving (2 slices)", "item 2.7 oz" -> "item (2.7 oz)"
    m = re.match(r"^([a-z][a-z' ]*?) ((\d|\.\d)[^()]*)$", measure)
    if m and not re.search(r"\b(or|for)$", m.group(1)):
        inner = re.sub(r"^(1 cup) (\d)", r"\1, \2", m.group(2))
        # "serving 1 serving" says it once
        measure = m.group(1) if inner == "1 " + m.group(1) else "%s (%s)" % (m.group(1), inner)
    measure = re.sub(r"^(\S+) \(1 \1\)$", r"\1", measure)
    # "serving fun size (8 chews)" -> "fun-size serving (8 chews)"
    measure = re.sub(r"^serving fun size", "fun-size serving", measure)
    return "%s %s" % (amount, measure)


def read_restaurants():
    """Maker text -> restaurant id, and restaurant id -> the chain's name."""
    with open(os.path.join(DATA, "restaurants.csv"), encoding="utf-8", newline="") as f:
        rows = list(csv.DictReader(f))
    return {row["maker"]: row["id"] for row in rows}, {row["id"]: row["name"] for row in rows}


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
    restaurants, chain_names = read_restaurants()

    rows = []
    for values in read_caret_file(os.path.join(sr_dir, "ABBREV.txt")):
        ndb = values[0]
        desc = descriptions[ndb]
        if ndb in first_measure:
            _, amount, measure, grams = first_measure[ndb]
            serving, grams = serving_text(amount, measure, grams), compact_number(grams)
        else:
            serving, grams = "100 g", "100"
        restaurant = restaurants.get(desc[5], "")
        name = tidy(desc[2])
        if restaurant:
            name = restaurant_item_name(str(int(ndb)), name, restaurant, chain_names[restaurant])
        else:
            name = respell(name)
        out = {
            "id": str(int(ndb)),
            "type": desc[1],
            "restaurant": restaurant,
            "name": name,
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
