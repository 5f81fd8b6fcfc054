"""The pressure window: six fields on the left, seven on the right, two in a bottom row."""

import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from uiwriter import Form  # noqa: E402

TEAL = (0, 128, 128)

form = Form("TFormPresion", "Unidades de presión", 660, 321)
left = [("Edit1", "atmósfera física [atm]"), ("Edit2", "bar"), ("Edit3", "mili bar"),
        ("Edit4", "pascal (pa)"), ("Edit5", "hecto pascal (hpa)"),
        ("Edit15", "kilo pascal (kpa)")]
right = [("Edit6", "milímetros de Hg (a 0 C)"), ("Edit7", "metros de agua (a 4 C)"),
         ("Edit8", "pulgadas de Hg (a 0 C)"), ("Edit9", "pulgadas de agua (a 4 C)"),
         ("Edit10", "atm métrica (kg/cm²)"), ("Edit11", "libra/pulgada² (psi)"),
         ("Edit12", "libra/pie²")]
for row, (name, text) in enumerate(left):
    y = 14 + row * 34
    form.label("Label" + name[4:], text, 8, y, 170, align="left")
    form.edit(name, 180, y, 130)
for row, (name, text) in enumerate(right):
    y = 14 + row * 34
    form.label("Label" + name[4:], text, 330, y, 180, align="left")
    form.edit(name, 512, y, 136)
bottom = [("Edit13", "milímetros de Hg (a 15 C)", 8, 196, 200, 110),
          ("Edit14", "pulgada de París de Hg (a 0 C)", 330, 218, 552, 96)]
for name, text, x, label_w, field_x, field_w in bottom:
    form.label("Label" + name[4:], text, x, 256, label_w, colour=TEAL, align="left")
    form.edit(name, field_x, 256, field_w)
form.button("BitBtn1", "Volver", 558, 288, default=True)
form.write(os.path.join(os.path.dirname(__file__), "..", "..", "forms", "tformpresion.ui"))
