"""The length window: metric and astronomical units on the left, imperial ones on the right."""

import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from uiwriter import Form  # noqa: E402

# Fields are wide enough for the longest result text, "-1.23456789012345E-300".
form = Form("TForm3", "Unidades de longitud", 766, 392)
left = [("Edit15", "miriámetro [Ma]"), ("Edit1", "kilómetro [km]"),
        ("Edit12", "hectómetro [hm]"), ("Edit13", "decámetro [dam]"), ("Edit2", "metro [m]"),
        ("Edit14", "decímetro [dm]"), ("Edit3", "centímetro [cm]"),
        ("Edit11", "milímetro [mm]"), ("Edit16", "unidad astronómica [ua]"),
        ("Edit17", "año luz"), ("Edit19", "parsec [pc]")]
right = [("Edit18", "milésima de pulg. [mil]"), ("Edit4", 'pulgada [inch ("), in]'),
         ("Edit5", "pie [foot ('), ft]"), ("Edit6", "yarda [yard, yd]"),
         ("Edit7", "braza [fathom]"), ("Edit8", "cadena [chain, ch]"),
         ("Edit9", "milla estatuto [Mi]"), ("Edit10", "nudo [milla marina]")]
for row, (name, text) in enumerate(left):
    y = 16 + row * 30
    form.label("Label" + name[4:], text, 8, y, 180)
    form.edit(name, 194, y, 172)
for row, (name, text) in enumerate(right):
    y = 16 + row * 30
    form.label("Label" + name[4:], text, 384, y, 190)
    form.edit(name, 580, y, 172)
form.button("BitBtn1", "Volver", 662, 350, default=True)
form.save("tform3.ui", __file__)
