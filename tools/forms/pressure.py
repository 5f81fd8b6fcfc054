"""The pressure window: six fields on the left, seven on the right, two in a bottom row."""

import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from uiwriter import Form  # noqa: E402

TEAL = (0, 128, 128)

form = Form("TFormPresion", "Unidades de presión", 798, 321)
# Two columns of label and field; the bottom row stands in the same columns. Fields are wide
# enough for the longest result text, "-1.23456789012345E-300".
LEFT_LABEL_X, LEFT_LABEL_W, LEFT_FIELD_X = 8, 196, 206
RIGHT_LABEL_X, RIGHT_LABEL_W, RIGHT_FIELD_X = 392, 222, 616
FIELD_W = 170
left = [("Edit1", "atmósfera física [atm]"), ("Edit2", "bar"), ("Edit3", "mili bar"),
        ("Edit4", "pascal (pa)"), ("Edit5", "hecto pascal (hpa)"),
        ("Edit15", "kilo pascal (kpa)")]
right = [("Edit6", "milímetros de Hg (a 0 C)"), ("Edit7", "metros de agua (a 4 C)"),
         ("Edit8", "pulgadas de Hg (a 0 C)"), ("Edit9", "pulgadas de agua (a 4 C)"),
         ("Edit10", "atm métrica (kg/cm²)"), ("Edit11", "libra/pulgada² (psi)"),
         ("Edit12", "libra/pie²")]
for row, (name, text) in enumerate(left):
    y = 14 + row * 34
    form.label("Label" + name[4:], text, LEFT_LABEL_X, y, LEFT_LABEL_W, align="left")
    form.edit(name, LEFT_FIELD_X, y, FIELD_W)
for row, (name, text) in enumerate(right):
    y = 14 + row * 34
    form.label("Label" + name[4:], text, RIGHT_LABEL_X, y, RIGHT_LABEL_W, align="left")
    form.edit(name, RIGHT_FIELD_X, y, FIELD_W)
bottom = [("Edit13", "milímetros de Hg (a 15 C)", LEFT_LABEL_X, LEFT_LABEL_W, LEFT_FIELD_X),
          ("Edit14", "pulgada de París de Hg (a 0 C)", RIGHT_LABEL_X, RIGHT_LABEL_W,
           RIGHT_FIELD_X)]
for name, text, x, label_w, field_x in bottom:
    form.label("Label" + name[4:], text, x, 256, label_w, colour=TEAL, align="left")
    form.edit(name, field_x, 256, FIELD_W)
form.button("BitBtn1", "Volver", RIGHT_FIELD_X + FIELD_W - 90, 288, default=True)
form.save("tformpresion.ui", __file__)
