"""The temperature window: five scales in one column."""

import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from uiwriter import Form  # noqa: E402

# Fields are wide enough for the longest result text, "-1.23456789012345E-300".
form = Form("TFormTemp", "Unidades de temperatura", 388, 246)
rows = [("Edit1", "Celsius o Centígrado (C)"), ("Edit2", "Fahrenheit (F)"),
        ("Edit4", "Kelvin o Absoluta (K)"), ("Edit5", "Rankine [r]"), ("Edit3", "Réaumur (R)")]
for row, (name, text) in enumerate(rows):
    y = 16 + row * 34
    form.label("Label" + name[4:], text, 8, y, 186)
    form.edit(name, 200, y, 172)
form.button("BitBtn1", "Volver", 282, 204, default=True)
form.save("tformtemp.ui", __file__)
