"""The mass window: three bevelled columns of fields, the kilogram hub in the first."""

import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from uiwriter import Form  # noqa: E402

PITCH = 26
TOP = 14

# (field number, label) per column; None leaves an empty row between groups of units.
left = [(1, "tonelada"), (2, "kilogramo"), (3, "gramo"), (25, "miligramo"), None,
        (4, "unidad MKpS"), None, (5, "uma - C12"), (6, "uma - O16"), (7, "uma - H1"),
        (8, "avogramo")]
middle = [(9, "tonelada larga"), (10, "tonelada corta"), (11, "gross cwt"), (12, "net cwt"),
          (13, "slug"), (24, "hyl"), (14, "lb avoird."), (15, "lb apot. o troy"), None,
          (28, "wey"), (29, "truss"), (30, "stone")]
right = [(16, "oz apot. o troy"), (17, "oz avoird."), (18, "dram apot."),
         (19, "dram avoird."), (20, "pennyweight"), (21, "scruple apot."),
         (22, "carat troy"), (23, "grano")]

rows = max(len(left), len(middle), len(right))
column_height = TOP + rows * PITCH
# Fields are wide enough for the longest result text, "-1.23456789012345E-300".
FIELD_W = 172
width = 3 * 296 + 8
form = Form("TFormMasa", "Unidades de masa", width, column_height + 56)
for index, column in enumerate((left, middle, right)):
    x = 4 + index * 296
    form.bevel(f"Bevel{index + 1}", x, 4, 292, column_height)
    for row, entry in enumerate(column):
        if entry is None:
            continue
        number, text = entry
        y = TOP + row * PITCH
        form.label(f"Label{number}", text, x + 4, y, 106)
        form.edit(f"Edit{number}", x + 114, y, FIELD_W)
form.button("BitBtn1", "Volver", width - 98, column_height + 16, default=True)
form.save("tformmasa.ui", __file__)
