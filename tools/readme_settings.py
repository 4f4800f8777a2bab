#!/usr/bin/env python3
"""Fills in the zip's README.txt: reads it on standard input and writes it out
with its @SETTINGS@ line replaced by README.md's table of settings, set as plain
text for Notepad (one block per value, wrapped). The README's table is the one
place the settings are written down; this keeps the zip's copy the same.

  tools/readme_settings.py [README.md] < installer/README.txt > README.txt
"""
import os
import re
import sys
import textwrap

START = '<!-- settings table -->'
END = '<!-- end of settings table -->'
PLACEHOLDER = '@SETTINGS@'
WIDTH = 78


def plain(cell):
    """Markdown inline text as it reads without markup."""
    cell = re.sub(r'\[([^\]]*)\]\([^)]*\)', r'\1', cell)  # links: their text
    cell = cell.replace('**', '').replace('`', '')
    return cell.replace('\\|', '|').strip()


def table_rows(markdown):
    """The cells of each row between the markers, the header row first."""
    try:
        body = markdown.split(START, 1)[1].split(END, 1)[0]
    except IndexError:
        sys.exit('readme_settings: no settings table between %s and %s' % (START, END))
    rows = []
    for line in body.splitlines():
        line = line.strip()
        if not line.startswith('|'):
            continue
        cells = [plain(c) for c in re.split(r'(?<!\\)\|', line.strip('|'))]
        if all(re.fullmatch(r':?-+:?', c) for c in cells):
            continue  # the header's underline
        rows.append(cells)
    if len(rows) < 2 or any(len(r) != len(rows[0]) for r in rows):
        sys.exit('readme_settings: the settings table is empty or its rows differ in width')
    return rows


def as_text(rows):
    """Each value as a block: its name and type, then the other columns labelled
    by their headers, wrapped under their label."""
    header, lines = rows[0], []
    width = max(len(label) for label in header[2:]) + 2  # the label, its colon, a blank
    for cells in rows[1:]:
        lines.append('%s (%s)' % (cells[0], cells[1]))
        for label, text in zip(header[2:], cells[2:]):
            label = (label + ':').ljust(width)
            lines += textwrap.wrap(text, WIDTH, initial_indent='  ' + label,
                                   subsequent_indent=' ' * (2 + width),
                                   break_on_hyphens=False, break_long_words=False)
        lines.append('')
    return lines[:-1]


def main():
    readme = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), '..', 'README.md')
    with open(readme, encoding='utf-8') as f:
        settings = as_text(table_rows(f.read()))
    template = sys.stdin.read().replace('\r\n', '\n')
    if template.count(PLACEHOLDER + '\n') != 1:
        sys.exit('readme_settings: the text read needs one line %s' % PLACEHOLDER)
    sys.stdout.write(template.replace(PLACEHOLDER + '\n', '\n'.join(settings) + '\n'))


if __name__ == '__main__':
    main()
