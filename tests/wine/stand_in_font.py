#!/usr/bin/python3
"""Writes a copy of a TrueType font under another family name.

Wine has neither Verdana nor the scalable faces Windows gives for "MS Sans Serif", and
Qt under Wine then falls back to a serif face. The checks give the Wine prefix stand-ins
made from Debian's fonts, named as a Windows machine names its own, as fontconfig does on
Linux when it hands out DejaVu Sans for Verdana.

Usage: stand_in_font.py SOURCE.ttf "Family" Regular|Bold TARGET.ttf
"""
import sys

from fontTools.ttLib import TTFont

source, family, style, target = sys.argv[1:]
font = TTFont(source)
names = font["name"]
for record in list(names.names):
    if record.nameID in (16, 17, 21, 22):  # typographic names would keep the old family
        names.removeNames(nameID=record.nameID)
full = family if style == "Regular" else f"{family} {style}"
for name_id, text in ((1, family), (2, style), (3, full), (4, full),
                      (6, full.replace(" ", "") if style == "Regular" else f"{family.replace(' ', '')}-{style}")):
    names.setName(text, name_id, 3, 1, 0x409)
    names.setName(text, name_id, 1, 0, 0)
font.save(target)
