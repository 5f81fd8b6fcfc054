"""Writes Qt Designer .ui files for windows laid out on a fixed grid of pixels."""

from xml.sax.saxutils import escape

NAVY = (0, 0, 128)


def _rect(x, y, w, h):
    return (f'<property name="geometry"><rect><x>{x}</x><y>{y}</y>'
            f'<width>{w}</width><height>{h}</height></rect></property>')


def _string(name, text):
    return f'<property name="{name}"><string>{escape(text)}</string></property>'


def _palette_text(rgb):
    r, g, b = rgb
    colour = (f'<colorrole role="WindowText"><brush brushstyle="SolidPattern">'
              f'<color alpha="255"><red>{r}</red><green>{g}</green><blue>{b}</blue></color>'
              f'</brush></colorrole>')
    return (f'<property name="palette"><palette><active>{colour}</active>'
            f'<inactive>{colour}</inactive><disabled>{colour}</disabled></palette></property>')


class Form:
    def __init__(self, class_name, caption, width, height):
        self.class_name = class_name
        self.caption = caption
        self.width = width
        self.height = height
        self.widgets = []
        self.tab_order = []

    def label(self, name, text, x, y, w, h=21, bold=True, colour=NAVY, align="right",
              tooltip=None):
        props = [_rect(x, y, w, h), _string("text", text)]
        if tooltip:
            props.append(_string("toolTip", tooltip))
        if bold:
            props.append('<property name="font"><font><bold>true</bold></font></property>')
        if colour:
            props.append(_palette_text(colour))
        qt_align = {"right": "Qt::AlignRight|Qt::AlignVCenter",
                    "left": "Qt::AlignLeft|Qt::AlignVCenter",
                    "center": "Qt::AlignCenter"}[align]
        props.append(f'<property name="alignment"><set>{qt_align}</set></property>')
        self.widgets.append(("QLabel", name, props))

    def edit(self, name, x, y, w, h=21, text="0", max_length=None):
        props = [_rect(x, y, w, h), _string("text", text)]
        if max_length:
            props.append(f'<property name="maxLength"><number>{max_length}</number></property>')
        self.widgets.append(("zerval::EditBox", name, props))
        self.tab_order.append(name)

    def bevel(self, name, x, y, w, h, raised=False):
        """A lowered (or raised) bevel drawn behind the controls it groups."""
        shadow = "Raised" if raised else "Sunken"
        props = [_rect(x, y, w, h),
                 '<property name="frameShape"><enum>QFrame::Panel</enum></property>',
                 f'<property name="frameShadow"><enum>QFrame::{shadow}</enum></property>']
        self.widgets.append(("QFrame", name, props))

    def group(self, name, title, x, y, w, h):
        """A titled group box drawn behind the controls placed over it."""
        props = [_rect(x, y, w, h), _string("title", title)]
        self.widgets.append(("QGroupBox", name, props))

    def button(self, name, text, x, y, w=90, h=27, default=False):
        props = [_rect(x, y, w, h), _string("text", text)]
        if default:
            props.append('<property name="default"><bool>true</bool></property>')
        self.widgets.append(("QPushButton", name, props))
        self.tab_order.append(name)

    def write(self, path):
        out = ['<?xml version="1.0" encoding="UTF-8"?>', '<ui version="4.0">',
               f'<class>{self.class_name}</class>',
               f'<widget class="QDialog" name="{self.class_name}">',
               _rect(0, 0, self.width, self.height),
               _string("windowTitle", self.caption)]
        for cls, name, props in self.widgets:
            out.append(f'<widget class="{cls}" name="{name}">')
            out.extend(props)
            out.append('</widget>')
        out.append('</widget>')
        if any(cls == "zerval::EditBox" for cls, _, _ in self.widgets):
            out.append('<customwidgets><customwidget><class>zerval::EditBox</class>'
                       '<extends>QLineEdit</extends><header>platform/editbox.h</header>'
                       '</customwidget></customwidgets>')
        out.append('<tabstops>')
        out.extend(f'<tabstop>{name}</tabstop>' for name in self.tab_order)
        out.append('</tabstops>')
        out.append('<resources/><connections/></ui>')
        with open(path, "w", encoding="utf-8") as f:
            f.write("\n".join(out) + "\n")
