"""The energy window: three columns of units, labels right-aligned against their fields."""

import os
import sys
from xml.sax.saxutils import escape

sys.path.insert(0, os.path.dirname(__file__))
from uiwriter import Form  # noqa: E402

BLACK = (0, 0, 0)
GREEN = (0, 128, 0)

form = Form("TFormEnergia", "Unidades de energía - trabajo - cant. de calor", 861, 400)
columns = [
    [("Edit1", "Joule"), ("Edit2", "Coulomb.Volt"), ("Edit3", "ergio"), ("Edit4", "kwatt.hora"),
     ("Edit5", "Watt.hora"), ("Edit26", "acción"), ("Edit6", "electrón.Volt"),
     ("Edit7", "Mega eV"), ("Edit8", "Rydberg"),
     ("Edit27", "gramo masa", GREEN, "según E=mC^2")],
    [("Edit9", "Newton.metro"), ("Edit10", "kg.m"), ("Edit11", "HP.hora"),
     ("Edit29", "HP.hora (métr)"), ("Edit12", "libra.pie"), ("Edit13", "libra.pulgada"),
     ("Edit14", "atm.cm", None, None, "3"), ("Edit15", "atm.pie", None, None, "3"),
     ("Edit22", "bboe", BLACK, "barril de petróleo equivalente"),
     ("Edit23", "toe", BLACK, "tonelada de petróleo equivalente"),
     ("Edit28", "quad", BLACK, "cuadrillón (1E15 BTU)")],
    [("Edit16", "caloría (15 C)"), ("Edit17", "kilocal (15 C)"), ("Edit18", "BTU (ISO)"),
     ("Edit19", "therm (EEG)"), ("Edit20", "therm (US)"), ("Edit21", "Celsius"),
     ("Edit24", "tce", BLACK, "tonelada de carbón equivalente"),
     ("Edit25", "ton TNT equiv.", BLACK)],
]
# Fields are wide enough for the longest result text, "-1.23456789012345E-300".
LABEL_W, FIELD_W, STRIDE = 104, 170, 286
for col, units in enumerate(columns):
    x = 6 + col * STRIDE
    for row, entry in enumerate(units):
        name, text = entry[0], entry[1]
        colour = entry[2] if len(entry) > 2 and entry[2] else (0, 0, 128)
        hint = entry[3] if len(entry) > 3 else None
        raised = entry[4] if len(entry) > 4 else None
        y = 10 + row * 34
        number = name[4:]
        # A raised "3" stands just after the unit text, as an exponent.
        width = LABEL_W - 8 if raised else LABEL_W
        form.label("Label" + number, text, x, y, width, colour=colour)
        if hint:
            form.widgets[-1][2].append(f'<property name="toolTip"><string>{escape(hint)}'
                                       '</string></property>')
        if raised:
            form.widgets.append(("QLabel", "Label" + number + "Cubo", [
                f'<property name="geometry"><rect><x>{x + width}</x><y>{y - 3}</y>'
                '<width>8</width><height>14</height></rect></property>',
                f'<property name="text"><string>{raised}</string></property>',
                '<property name="font"><font><pointsize>7</pointsize><bold>true</bold>'
                '</font></property>',
                '<property name="alignment"><set>Qt::AlignLeft|Qt::AlignTop</set></property>']))
        form.edit(name, x + LABEL_W + 4, y, FIELD_W)
form.button("BitBtn1", "Volver", 6 + 2 * STRIDE + LABEL_W + 4 + FIELD_W - 90, 10 + 9 * 34 + 20,
            default=True)
form.save("tformenergia.ui", __file__)
