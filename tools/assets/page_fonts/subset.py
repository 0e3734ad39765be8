#!/usr/bin/python3
"""The page's two fonts: Liberation Sans cut down to the letters the game can draw.

usage: subset.py SOURCE.ttf OUTPUT.ttf FAMILY

The game draws Latin-1 characters only (codes 32 to 255), so every other glyph is weight the
page need not carry. The SIL Open Font License lets a modified font go with the game as long
as it no longer bears the reserved names, so the cut font is renamed; its copyright and
licence entries stay.
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

LATIN_1 = list(range(0x20, 0x7F)) + list(range(0xA0, 0x100))
# The name table's entries that carry the family's name: family, unique id, full name,
# PostScript name, typographic family, the trademark line, and the WWS family.
RENAMED = {1, 3, 4, 6, 7, 16, 21}


def renamed(font, family):
    style = font['name'].getDebugName(2) or 'Regular'
    names = {1: family, 3: '%s %s' % (family, style), 4: '%s %s' % (family, style),
             6: ('%s-%s' % (family, style)).replace(' ', ''), 7: '', 16: family, 21: family}
    for record in list(font['name'].names):
        if record.nameID not in RENAMED:
            continue
        if names[record.nameID]:
            record.string = names[record.nameID]
        else:
            font['name'].removeNames(nameID=record.nameID)


def main():
    source, output, family = sys.argv[1:4]
    options = subset.Options()
    options.layout_features = ['*']
    options.name_IDs = ['*']
    options.name_languages = ['*']
    options.notdef_outline = True
    options.glyph_names = True
    options.drop_tables += ['FFTM']
    font = TTFont(source, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=LATIN_1)
    subsetter.subset(font)
    renamed(font, family)
    font.save(output)


if __name__ == '__main__':
    main()
