#include "tools/play/controls.h"

#include "tools/play/scriptline.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>

#include <algorithm>

namespace zerval {

namespace {

// Qt names the parts it builds inside its own controls "qt_…"; a script never sees them.
bool isScriptName(const QString& name) {
    return !name.isEmpty() && !name.startsWith(QStringLiteral("qt_"));
}

// Edit boxes, memos, lists and grids paint on the Base role, everything else on Window.
bool paintsOnBase(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QAbstractItemView*>(widget);
}

QString rgb(const QColor& color) {
    return QStringLiteral("%1,%2,%3").arg(color.red()).arg(color.green()).arg(color.blue());
}

QChar flag(bool value) {
    return value ? QLatin1Char('1') : QLatin1Char('0');
}

} // namespace

// A control of this window that a script may name: not inside a child window (its menus, a
// dialog it owns) and not one of the parts of a Qt control (a tab bar's scroll buttons).
bool isControlOf(const QWidget* widget, const QWidget* window) {
    if (widget->window() != window || !isScriptName(widget->objectName())) return false;
    for (const QWidget* w = widget->parentWidget(); w && w != window; w = w->parentWidget()) {
        if (isScriptName(w->objectName())) return true;
        if (!w->objectName().isEmpty()) return false;
    }
    return true;
}

QWidget* findControl(QWidget* window, const QString& name) {
    if (name == QStringLiteral("window")) return window;
    if (!isScriptName(name)) return nullptr;
    for (QWidget* widget : window->findChildren<QWidget*>(name))
        if (isControlOf(widget, window)) return widget;
    return nullptr;
}

QString scriptName(const QWidget* widget, const QWidget* window) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w == window) return QStringLiteral("window");
        if (isScriptName(w->objectName())) return w->objectName();
    }
    return QString();
}

QList<QWidget*> textControls(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (isControlOf(widget, window) && holdsText(widget)) controls.append(widget);
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
        return naturalLess(a->objectName(), b->objectName());
    });
    return controls;
}

QList<QRadioButton*> radioButtons(const QGroupBox* group) {
    return group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
}

bool holdsText(const QWidget* widget) {
    return widget->isWindow() || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QGroupBox*>(widget) ||
           qobject_cast<const QStatusBar*>(widget) || qobject_cast<const QListWidget*>(widget) ||
           qobject_cast<const QTabWidget*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractSlider*>(widget);
}

QString controlText(const QWidget* widget) {
    if (widget->isWindow()) return widget->windowTitle();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(widget)) return memo->toPlainText();
    if (auto* memo = qobject_cast<const QTextEdit*>(widget)) return memo->toPlainText();
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (auto* combo = qobject_cast<const QComboBox*>(widget)) return combo->currentText();
    if (auto* group = qobject_cast<const QGroupBox*>(widget)) {
        const QList<QRadioButton*> buttons = radioButtons(group);
        if (buttons.isEmpty()) return group->title();
        for (const QRadioButton* button : buttons)
            if (button->isChecked()) return button->text();
        return QString();
    }
    if (auto* bar = qobject_cast<const QStatusBar*>(widget)) {
        if (!bar->currentMessage().isEmpty()) return bar->currentMessage();
        const QLabel* panel = bar->findChild<QLabel*>();
        return panel ? panel->text() : QString();
    }
    if (auto* list = qobject_cast<const QListWidget*>(widget))
        return list->currentItem() ? list->currentItem()->text() : QString();
    if (auto* tabs = qobject_cast<const QTabWidget*>(widget))
        return tabs->tabText(tabs->currentIndex());
    if (auto* spin = qobject_cast<const QAbstractSpinBox*>(widget)) return spin->text();
    if (auto* slider = qobject_cast<const QAbstractSlider*>(widget))
        return QString::number(slider->value());
    return QString();
}

QString stateText(const QWidget* widget) {
    bool readOnly = false;
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        readOnly = edit->isReadOnly();
    else if (auto* memo = qobject_cast<const QPlainTextEdit*>(widget))
        readOnly = memo->isReadOnly();
    else if (auto* memo = qobject_cast<const QTextEdit*>(widget))
        readOnly = memo->isReadOnly();
    else if (auto* spin = qobject_cast<const QAbstractSpinBox*>(widget))
        readOnly = spin->isReadOnly();
    else if (auto* view = qobject_cast<const QAbstractItemView*>(widget))
        readOnly = view->editTriggers() == QAbstractItemView::NoEditTriggers;
    bool checked = false;
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        checked = button->isChecked();
    else if (auto* group = qobject_cast<const QGroupBox*>(widget))
        checked = group->isCheckable() && group->isChecked();
    return QStringLiteral("visible=%1 enabled=%2 readonly=%3 checked=%4")
        .arg(flag(widget->isVisible()), flag(widget->isEnabled()), flag(readOnly), flag(checked));
}

QString styleText(const QWidget* widget) {
    const QPalette::ColorGroup group = widget->isEnabled() ? QPalette::Active : QPalette::Disabled;
    const bool base = paintsOnBase(widget);
    const QPalette& palette = widget->palette();
    const QColor background = palette.color(group, base ? QPalette::Base : QPalette::Window);
    const QColor foreground = palette.color(group, base ? QPalette::Text : QPalette::WindowText);
    return QStringLiteral("bg=%1 fg=%2 bold=%3")
        .arg(rgb(background), rgb(foreground), flag(widget->font().bold()));
}

} // namespace zerval
