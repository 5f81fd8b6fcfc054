"""The time window: three columns of units; the middle and right ones keep a gap row."""

import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from uiwriter import Form  # noqa: E402

form = Form("TFormTiempo", "Unidades de tiempo", 874, 361)
columns = [
    [("Edit1", "segundo"), ("Edit2", "minuto"), ("Edit3", "hora"), ("Edit4", "día"),
     ("Edit5", "semana"), ("Edit6", "mes"), ("Edit7", "año"), ("Edit8", "década"),
     ("Edit9", "siglo")],
    [("Edit10", "milisegundo"), ("Edit11", "microsegundo"), ("Edit12", "nanosegundo"), None,
     ("Edit13", "blink"), ("Edit14", "shake"), ("Edit15", "wink"),
     ("Edit16", "unidad atómica"), ("Edit17", "elemental")],
    [("Edit18", "mes sideral"), ("Edit19", "mes solar medio"), ("Edit20", "mes lunar"), None,
     ("Edit21", "año sideral"), ("Edit22", "año solar medio"), ("Edit23", "año Bessel astr."),
     ("Edit24", "año calendario"), ("Edit25", "año tropical")],
]
# Fields are wide enough for the longest result text, "-1.23456789012345E-300".
LABEL_W, FIELD_W, STRIDE = 112, 170, 290
for col, units in enumerate(columns):
    x = 6 + col * STRIDE
    for row, entry in enumerate(units):
        if entry is None:
            continue
        name, text = entry
        y = 10 + row * 34
        form.label("Label" + name[4:], text, x, y, LABEL_W)
        form.edit(name, x + LABEL_W + 4, y, FIELD_W, max_length=50 if name == "Edit9" else None)
form.button("BitBtn1", "Volver", 6 + 2 * STRIDE + LABEL_W + 4 + FIELD_W - 90, 10 + 9 * 34 + 4,
            default=True)
form.save("tformtiempo.ui", __file__)
