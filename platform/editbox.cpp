#include "platform/editbox.h"

#include "platform/platform.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

namespace zerval {

EditBox::EditBox(QWidget* parent)
    : QLineEdit(parent) {
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void EditBox::setText(const QString& text) {
    if (text == QLineEdit::text()) return;
    QLineEdit::setText(text);
    setCursorPosition(0);
    raiseChange();
}

void EditBox::setMaxLength(int length) {
    maxLength_ = length;
}

bool EditBox::hasInputFocus() const {
    return window()->focusWidget() == this;
}

int EditBox::selStart() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

int EditBox::selLength() const {
    return hasSelectedText() ? int(selectedText().size()) : 0;
}

void EditBox::setSelection(int start, int length) {
    QLineEdit::setSelection(start, length);
}

// As on the edit boxes of a dialog, a field that the keyboard or the window's opening moves
// into has its whole text selected, so that the first keystroke replaces the "0"; a mouse click
// only places the caret.
void EditBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ActiveWindowFocusReason:
    case Qt::ShortcutFocusReason:
        selectAll();
        break;
    default:
        break;
    }
}

void EditBox::raiseChange() {
    if (onChange) onChange(*this);
}

void EditBox::commitEdit(const QString& text, int cursor) {
    const bool changed = text != QLineEdit::text();
    if (changed) QLineEdit::setText(text);
    setCursorPosition(cursor);
    if (changed) raiseChange();
}

void EditBox::replaceSelection(const QString& inserted) {
    if (isReadOnly()) return;
    QString piece = upperCase_ ? inserted.toUpper() : inserted;
    const QString current = QLineEdit::text();
    const int start = selStart();
    const int length = selLength();
    if (maxLength_ > 0) {
        const qsizetype room = maxLength_ - (current.size() - length);
        if (room <= 0 && !piece.isEmpty()) return;
        piece.truncate(qMax<qsizetype>(0, room));
    }
    QString text = current;
    text.replace(start, length, piece);
    commitEdit(text, start + int(piece.size()));
}

void EditBox::deleteSelectionOrChar(bool backwards) {
    if (isReadOnly()) return;
    QString text = QLineEdit::text();
    int start = selStart();
    int length = selLength();
    if (length == 0) {
        if (backwards) {
            if (start == 0) return;
            --start;
        } else if (start >= text.size()) {
            return;
        }
        length = 1;
    }
    text.remove(start, length);
    commitEdit(text, start);
}

void EditBox::copySelection() {
    if (hasSelectedText()) platform().setClipboardText(selectedText());
}

void EditBox::pasteFromMenu() {
    QString pasted = platform().clipboardText();
    const qsizetype lineEnd = pasted.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (lineEnd >= 0) pasted.truncate(lineEnd);
    replaceSelection(pasted);
}

int windowsKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier && qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 96 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Minus:
        return 189;
    case Qt::Key_Period:
        return 190;
    case Qt::Key_Comma:
        return 188;
    default:
        return qtKey & 0xff;
    }
}

namespace {

// The character a key produces, as a Windows edit box receives it; 0 for none.
char16_t characterOf(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Delete) return 0;
    if (key == Qt::Key_Backspace) return 8;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return 13;
    if (key == Qt::Key_Escape) return 27;
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return char16_t(1 + (key - Qt::Key_A));
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return 0;
    const QString text = event.text();
    if (text.isEmpty()) return 0;
    const char16_t c = text.at(0).unicode();
    return c >= 0x20 && c != 0x7f ? c : 0;
}

bool windowHasDefaultButton(const QWidget& field) {
    const auto buttons = field.window()->findChildren<QPushButton*>();
    return std::any_of(buttons.begin(), buttons.end(), [](const QPushButton* button) {
        return button->isDefault() && button->isVisible() && button->isEnabled();
    });
}

} // namespace

void EditBox::keyPressEvent(QKeyEvent* event) {
    guarded([&] {
        if (onKeyDown) onKeyDown(*this, windowsKeyCode(event->key(), event->modifiers()));
    });
    char16_t key = characterOf(*event);
    if (key == 0) {
        // Navigation, selection and Delete: the line edit's own handling, with change raised
        // by our code when the text moved.
        if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
            event->ignore();
            return;
        }
        guarded([&] {
            if (event->key() == Qt::Key_Delete && !(event->modifiers() & Qt::ShiftModifier)) {
                deleteSelectionOrChar(false);
                return;
            }
            const QString before = QLineEdit::text();
            QLineEdit::keyPressEvent(event);
            if (QLineEdit::text() != before) raiseChange();
        });
        return;
    }
    // Enter and Escape are the window's before they are the field's: Enter presses the default
    // button where the window has one, Escape closes the window (its cancel button).
    if (key == 27 || (key == 13 && windowHasDefaultButton(*this))) {
        event->ignore();
        return;
    }
    guarded([&] {
        if (onKeyPress) onKeyPress(*this, key);
    });
    if (key == 0) return;
    if (key == 13 || key == 27) {
        event->ignore();
        return;
    }
    guarded([&] {
        switch (key) {
        case 8:
            deleteSelectionOrChar(true);
            break;
        case 1:
            selectAll();
            break;
        case 3:
            copySelection();
            break;
        case 22:
            pasteFromMenu();
            break;
        case 24:
            if (!isReadOnly() && hasSelectedText()) {
                copySelection();
                replaceSelection(QString());
            }
            break;
        default:
            if (key >= 0x20) replaceSelection(QString(QChar(key)));
            break;
        }
    });
}

void EditBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* cut = menu.addAction(QStringLiteral("Cor&tar"));
    QAction* copy = menu.addAction(QStringLiteral("&Copiar"));
    QAction* paste = menu.addAction(QStringLiteral("&Pegar"));
    QAction* remove = menu.addAction(QStringLiteral("&Eliminar"));
    menu.addSeparator();
    QAction* all = menu.addAction(QStringLiteral("Seleccionar &todo"));
    const bool editable = !isReadOnly();
    cut->setEnabled(editable && hasSelectedText());
    copy->setEnabled(hasSelectedText());
    paste->setEnabled(editable && !platform().clipboardText().isEmpty());
    remove->setEnabled(editable && hasSelectedText());
    QAction* chosen = menu.exec(event->globalPos());
    guarded([&] {
        if (chosen == cut) {
            copySelection();
            replaceSelection(QString());
        } else if (chosen == copy) {
            copySelection();
        } else if (chosen == paste) {
            pasteFromMenu();
        } else if (chosen == remove) {
            replaceSelection(QString());
        } else if (chosen == all) {
            selectAll();
        }
    });
}

} // namespace zerval
