"""The volume window: three bevelled groups on the left, the British and United States
capacity units on the right."""

import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from uiwriter import Form  # noqa: E402

PITCH = 26
CUBED = "\u00b3"  # the raised 3 of the cubic units

metric = [(1, f"metro cúbico [m{CUBED}]"), (15, f"decímetro cúbico [dm{CUBED}]"),
          (2, f"centímetro cúbico [cm{CUBED}]"), (26, "hectolitro[hl]"), (16, "litro [l]")]
cubic = [(4, "pulgada cúbica [cu.in]"), (25, "pie cuadrado-pulgada"),
         (5, "pie cúbico [cu.ft]"), (6, "yarda cúbica [cu.yd]"), (22, "acre-pie")]
water = [(3, "litro de agua a 4 °C [l]", "equival. anterior a 1964"),
         (12, "tonelada de registro", "register ton"), (13, "tonelada marina")]
british = [(9, "pinta [pt]"), (8, "cuarto [qt]"), (7, "galón imperial [gal]")]
barrel = [(14, "barril (petróleo)")]
american = [(11, "galón líquidos [gal]"), (17, "cuarto [qt]"), (18, "pinta [pt]")]
others = [(19, "onza [fl oz]"), (20, "dram [fl dr]"), (21, "bushel [bu]"),
          (10, "galón áridos [gal]"), (24, "cuarto [qt]"), (23, "pinta [pt]")]

# Fields are wide enough for the longest result text, "-1.23456789012345E-300".
FIELD_W = 172
WIDTH = 740
form = Form("TFormVol", "Unidades de volumen y capacidad", WIDTH, 462)


def rows(fields, x, y, label_width):
    for row, (number, text, *hint) in enumerate(fields):
        top = y + row * PITCH
        form.label(f"Label{number}", text, x, top, label_width,
                   tooltip=hint[0] if hint else None)
        form.edit(f"Edit{number}", x + label_width + 4, top, FIELD_W)
    return y + len(fields) * PITCH


# Left column: each group on its own bevel.
y = 6
for index, group in enumerate((metric, cubic, water)):
    height = 10 + len(group) * PITCH
    form.bevel(f"Bevel{index + 1}", 4, y, 374, height)
    rows(group, 10, y + 6, 184)
    y += height + 8

# Right column.
x = 390
form.group("GroupBox1", "G.B.", x, 4, 346, 30 + len(british) * PITCH)
y = rows(british, x + 6, 30, 156) + 14
y = rows(barrel, x + 6, y, 156) + 6
form.group("GroupBox2", "EE.UU.", x, y, 346, 30 + len(american) * PITCH)
y = rows(american, x + 6, y + 26, 156) + 12
rows(others, x + 6, y, 156)

form.button("BitBtn1", "Volver", WIDTH - 98, 426, default=True)
form.save("tformvol.ui", __file__)
