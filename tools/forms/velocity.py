"""The velocity window: five fields on the left, four on the right."""

import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from uiwriter import Form  # noqa: E402

form = Form("TFormVel", "Unidades de Velocidad", 573, 231)
left = [("Edit1", "km/hora"), ("Edit2", "km/seg"), ("Edit3", "m/seg"), ("Edit4", "mach"),
        ("Edit5", "velocidad de la luz")]
right = [("Edit6", "milla/hora"), ("Edit9", "milla/seg"), ("Edit7", "pie/seg"),
         ("Edit8", "nudo")]
for row, (name, text) in enumerate(left):
    y = 16 + row * 36
    form.label("Label" + name[4:], text, 8, y, 140, align="left")
    form.edit(name, 152, y, 152)
for row, (name, text) in enumerate(right):
    y = 16 + row * 36
    form.label("Label" + name[4:], text, 318, y, 88, align="left")
    form.edit(name, 408, y, 152)
form.button("BitBtn1", "Volver", 464, 190, default=True)
form.write(os.path.join(os.path.dirname(__file__), "..", "..", "forms", "tformvel.ui"))
