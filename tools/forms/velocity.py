"""The velocity window: five fields on the left, four on the right."""

import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from uiwriter import Form  # noqa: E402

# Fields are wide enough for the longest result text, "-1.23456789012345E-300".
form = Form("TFormVel", "Unidades de Velocidad", 613, 231)
left = [("Edit1", "km/hora"), ("Edit2", "km/seg"), ("Edit3", "m/seg"), ("Edit4", "mach"),
        ("Edit5", "velocidad de la luz")]
right = [("Edit6", "milla/hora"), ("Edit9", "milla/seg"), ("Edit7", "pie/seg"),
         ("Edit8", "nudo")]
for row, (name, text) in enumerate(left):
    y = 16 + row * 36
    form.label("Label" + name[4:], text, 8, y, 140, align="left")
    form.edit(name, 152, y, 172)
for row, (name, text) in enumerate(right):
    y = 16 + row * 36
    form.label("Label" + name[4:], text, 338, y, 88, align="left")
    form.edit(name, 428, y, 172)
form.button("BitBtn1", "Volver", 510, 190, default=True)
form.save("tformvel.ui", __file__)
