#!/usr/bin/python3
"""Checks a printed 9x9 puzzle page, read back from its PDF file's words (pdftotext -bbox):
the title, the four rules lines whole, and between them the givens on one 9x9 lattice of cells.

Usage: printed_page_check.py PAGE.pdf
"""
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

RULES = [
    "Bisogna riempire la griglia di 81 caselle con queste regole:",
    "In ogni riga devono apparire tutti i numeri da 1 a 9 (non ripetuti)",
    "In ogni colonna devono apparire tutti i numeri da 1 a 9 (non ripetuti)",
    "In ogni riquadro 3x3 devono apparire tutti i numeri 1 a 9 (non ripetuti)",
]


def fail(why):
    sys.exit(f"FAIL: {why}")


text = subprocess.run(["pdftotext", sys.argv[1], "-"], capture_output=True, text=True, check=True).stdout
if "Qualche attimo di relax" not in text:
    fail("the page has no title")
for line in RULES:
    if line not in text:
        fail(f"the rules lack the whole line '{line}'")

xhtml = subprocess.run(["pdftotext", "-bbox", sys.argv[1], "-"], capture_output=True, text=True, check=True).stdout
words = [(w.text, (float(w.get("xMin")) + float(w.get("xMax"))) / 2, (float(w.get("yMin")) + float(w.get("yMax"))) / 2)
         for w in ElementTree.fromstring(xhtml).iter("{http://www.w3.org/1999/xhtml}word")]
title_y = next(y for t, _, y in words if t == "Qualche")
rules_y = next(y for t, _, y in words if t == "Bisogna")
givens = [(x, y) for t, x, y in words if len(t) == 1 and t in "123456789" and title_y < y < rules_y]
if not 17 <= len(givens) <= 80:
    fail(f"{len(givens)} givens between the title and the rules")


def places(values):
    """The places of values on one lattice, and its step: values within 2 points of each other
    share a place, and the step is the smallest gap between places."""
    centres = []
    for value in sorted(values):
        if centres and value - centres[-1][-1] < 2:
            centres[-1].append(value)
        else:
            centres.append([value])
    centres = [sum(c) / len(c) for c in centres]
    pitch = min((b - a for a, b in zip(centres, centres[1:])), default=1.0)
    return [round((v - centres[0]) / pitch) for v in values], pitch


columns, pitch = places([x for x, _ in givens])
rows, _ = places([y for _, y in givens])
if max(columns) > 8 or max(rows) > 8:
    fail(f"the givens do not fall on a 9x9 lattice (columns up to {max(columns)}, rows up to {max(rows)})")
print(f"page: title, 4 rules lines, {len(givens)} givens on a 9x9 lattice "
      f"(cells of {pitch:.1f} pt)")
