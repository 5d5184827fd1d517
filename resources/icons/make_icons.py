#!/usr/bin/env python3
"""Draws Zygora's tool-bar icons as 34 x 34 SVG files: images/N.svg and, brighter, hot/N.svg.

The index N is the icon index the tool buttons use: 0 clear, 1 clear all, 2 close, 3 delete, 4 edit,
5 calculate, 6 print, 7 refresh, 8 add, 9 close window (the edit dialogs).
"""
import pathlib

PALETTES = {
    "images": {"main": "#2f5f8a", "accent": "#c0392b", "light": "#dfe9f2", "green": "#2e7d32", "paper": "#ffffff"},
    "hot": {"main": "#1e88e5", "accent": "#ff5a45", "light": "#eaf4ff", "green": "#43a047", "paper": "#fffde7"},
}

SHAPES = [
    # 0 clear: an eraser
    '<polygon points="4,22 16,8 30,8 18,22" fill="{light}" stroke="{main}" stroke-width="2" stroke-linejoin="round"/>'
    '<polygon points="4,22 9,16 15,16 10,22" fill="{accent}"/>'
    '<line x1="4" y1="28" x2="30" y2="28" stroke="{main}" stroke-width="2"/>',
    # 1 clear all: two erasers
    '<polygon points="2,14 10,4 22,4 14,14" fill="{light}" stroke="{main}" stroke-width="2" stroke-linejoin="round"/>'
    '<polygon points="2,14 5,10 10,10 7,14" fill="{accent}"/>'
    '<polygon points="12,28 20,18 32,18 24,28" fill="{light}" stroke="{main}" stroke-width="2" stroke-linejoin="round"/>'
    '<polygon points="12,28 15,24 20,24 17,28" fill="{accent}"/>'
    '<line x1="2" y1="32" x2="32" y2="32" stroke="{main}" stroke-width="2"/>',
    # 2 close: a door with an arrow
    '<rect x="5" y="4" width="15" height="26" fill="{light}" stroke="{main}" stroke-width="2"/>'
    '<circle cx="16" cy="17" r="1.5" fill="{main}"/>'
    '<path d="M19 17 H31 M26 12 L31 17 L26 22" fill="none" stroke="{accent}" stroke-width="3" stroke-linecap="round" stroke-linejoin="round"/>',
    # 3 delete: a red cross in a circle
    '<circle cx="17" cy="17" r="13" fill="{light}" stroke="{accent}" stroke-width="2.5"/>'
    '<path d="M11 11 L23 23 M23 11 L11 23" stroke="{accent}" stroke-width="4" stroke-linecap="round"/>',
    # 4 edit: a pencil over a sheet
    '<rect x="3" y="4" width="18" height="26" fill="{paper}" stroke="{main}" stroke-width="1.5"/>'
    '<path d="M7 10 H17 M7 15 H15 M7 20 H12" stroke="{main}" stroke-width="1.5"/>'
    '<polygon points="27,5 32,10 17,25 12,26 13,21" fill="#f1c40f" stroke="{main}" stroke-width="1.5" stroke-linejoin="round"/>'
    '<polygon points="12,26 13,21 17,25" fill="{main}"/>',
    # 5 calculate: a calculator
    '<rect x="6" y="2" width="22" height="30" rx="3" fill="{main}"/>'
    '<rect x="9" y="5" width="16" height="7" fill="{light}"/>'
    '<g fill="{paper}"><rect x="9" y="15" width="4" height="4"/><rect x="15" y="15" width="4" height="4"/>'
    '<rect x="9" y="21" width="4" height="4"/><rect x="15" y="21" width="4" height="4"/>'
    '<rect x="9" y="27" width="4" height="3"/><rect x="15" y="27" width="4" height="3"/></g>'
    '<rect x="21" y="15" width="4" height="15" fill="{accent}"/>',
    # 6 print: a printer
    '<rect x="9" y="3" width="16" height="10" fill="{paper}" stroke="{main}" stroke-width="1.5"/>'
    '<rect x="3" y="12" width="28" height="12" rx="2" fill="{main}"/>'
    '<rect x="9" y="20" width="16" height="11" fill="{paper}" stroke="{main}" stroke-width="1.5"/>'
    '<path d="M12 24 H22 M12 27 H20" stroke="{main}" stroke-width="1.2"/>'
    '<circle cx="27" cy="16" r="1.5" fill="{green}"/>',
    # 7 refresh: two arrows in a circle
    '<path d="M27 14 A11 11 0 0 0 7 12" fill="none" stroke="{main}" stroke-width="3"/>'
    '<path d="M3 8 L7 14 L12 9" fill="none" stroke="{main}" stroke-width="3" stroke-linejoin="round"/>'
    '<path d="M7 20 A11 11 0 0 0 27 22" fill="none" stroke="{green}" stroke-width="3"/>'
    '<path d="M31 26 L27 20 L22 25" fill="none" stroke="{green}" stroke-width="3" stroke-linejoin="round"/>',
    # 8 add: a green plus
    '<circle cx="17" cy="17" r="13" fill="{light}" stroke="{green}" stroke-width="2.5"/>'
    '<path d="M17 9 V25 M9 17 H25" stroke="{green}" stroke-width="4" stroke-linecap="round"/>',
    # 9 close window: a window with a red cross over its corner
    '<rect x="3" y="5" width="24" height="22" fill="{paper}" stroke="{main}" stroke-width="2"/>'
    '<rect x="3" y="5" width="24" height="6" fill="{main}"/>'
    '<circle cx="24" cy="24" r="8" fill="{accent}"/>'
    '<path d="M20.5 20.5 L27.5 27.5 M27.5 20.5 L20.5 27.5" stroke="{paper}" stroke-width="2.5" stroke-linecap="round"/>',
]

here = pathlib.Path(__file__).parent
for folder, colours in PALETTES.items():
    (here / folder).mkdir(exist_ok=True)
    for index, shape in enumerate(SHAPES):
        body = shape.format(**colours)
        svg = f'<svg xmlns="http://www.w3.org/2000/svg" width="34" height="34" viewBox="0 0 34 34">{body}</svg>\n'
        (here / folder / f"{index}.svg").write_text(svg)

qrc = ['<RCC>', '  <qresource prefix="/icons">']
for folder in PALETTES:
    for index in range(len(SHAPES)):
        qrc.append(f'    <file>{folder}/{index}.svg</file>')
qrc += ['  </qresource>', '</RCC>']
(here / "icons.qrc").write_text("\n".join(qrc) + "\n")
