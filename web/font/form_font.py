#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The form's own font: the glyphs of IPA P Gothic that the pages, the help
and the messages use, renamed (the IPA Font License asks a derived font for a
name without "IPA") and packed as WOFF2.

  form_font.py PYFTSUBSET SOURCE_FONT OUTPUT.woff2 FAMILY TEXT_FILE...

Every character of the text files is kept (their comments too: a few spare
glyphs cost less than a missing one), and all of printable ASCII, which
typed names and numbers draw from."""
import os
import subprocess
import sys
import tempfile

from fontTools.ttLib import TTFont

# The names a font goes by; the copyright notice and the licence's names stay.
FAMILY_IDS = (1, 4, 16)
POSTSCRIPT_ID = 6
UNIQUE_ID = 3
TRADEMARK_ID = 7
PRINTABLE_ASCII = ''.join(chr(c) for c in range(0x20, 0x7F))


def characters(paths):
    seen = set(PRINTABLE_ASCII)
    for path in paths:
        with open(path, encoding='utf-8') as text:
            seen.update(text.read())
    return ''.join(sorted(c for c in seen if c.isprintable() or c == ' '))


def rename(font, family):
    postscript = family.replace(' ', '')
    table = font['name']
    table.removeNames(nameID=TRADEMARK_ID)
    for record in table.names:
        if record.nameID in FAMILY_IDS:
            record.string = family
        elif record.nameID == POSTSCRIPT_ID:
            record.string = postscript
        elif record.nameID == UNIQUE_ID:
            record.string = f'{postscript} subset 003.03'


def main():
    pyftsubset, source, output, family, *texts = sys.argv[1:]
    with tempfile.TemporaryDirectory() as scratch:
        text_file = os.path.join(scratch, 'text.txt')
        subset = os.path.join(scratch, 'subset.ttf')
        with open(text_file, 'w', encoding='utf-8') as out:
            out.write(characters(texts))
        subprocess.run([pyftsubset, source, f'--text-file={text_file}', f'--output-file={subset}',
                        '--layout-features=*', '--name-IDs=*', '--name-languages=*', '--no-hinting',
                        '--desubroutinize'], check=True)
        font = TTFont(subset)
        rename(font, family)
        font.flavor = 'woff2'
        font.save(output)


if __name__ == '__main__':
    main()
