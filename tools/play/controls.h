#pragma once

#include <QList>
#include <QString>

class QGroupBox;
class QRadioButton;
class QWidget;

namespace zerval {

// What a script reads from the controls of a window, found by their object names.

// Whether a script may name this widget as a control of the window: its own part, not inside
// a child window or one of the parts Qt builds inside its controls.
bool isControlOf(const QWidget* widget, const QWidget* window);
// The control of this window named so; "window" names the window itself.
QWidget* findControl(QWidget* window, const QString& name);
// The name a script uses for a widget: its own, or that of the nearest named control that
// holds it (the line edit inside a combo box, a grid's viewport); "window" for the window.
QString scriptName(const QWidget* widget, const QWidget* window);
// The named controls that hold a text, in the natural order of their names.
QList<QWidget*> textControls(QWidget* window);

bool holdsText(const QWidget* widget);
// What the user reads on it: an edit box's or memo's text, a caption, a combo box's shown
// item, a radio group's chosen item, a list's current item, a status bar's text ...
QString controlText(const QWidget* widget);

// A radio group is a group box whose radio buttons are its own children.
QList<QRadioButton*> radioButtons(const QGroupBox* group);

// "visible=0/1 enabled=0/1 readonly=0/1 checked=0/1"
QString stateText(const QWidget* widget);
// "bg=R,G,B fg=R,G,B bold=0/1"
QString styleText(const QWidget* widget);

} // namespace zerval
