#pragma once

#include <QLineEdit>

#include <functional>

namespace zerval {

// An edit box with the event order the converter windows are written against: key down for
// every key, then key press for keys that produce a character (which the handler may swallow
// by setting it to 0, or rewrite), then change whenever the text changes. A program write
// raises change synchronously, inside the write, and never for an equal text, so that errors
// raised by nested handlers travel back to the handler that guards them.
class EditBox : public QLineEdit {
    Q_OBJECT
public:
    explicit EditBox(QWidget* parent = nullptr);

    std::function<void(EditBox& box, int keyCode)> onKeyDown;
    std::function<void(EditBox& box, char16_t& key)> onKeyPress;
    std::function<void(EditBox& box)> onChange;

    // A program write. Unlike QLineEdit's, it is never cut by the maximum length.
    void setText(const QString& text);
    // Limits what the user types or pastes, never what the program writes.
    void setMaxLength(int length);
    int maxLength() const { return maxLength_; }
    void setUpperCase(bool upper) { upperCase_ = upper; }

    // Whether this box is its window's focus widget (true on the offscreen platform too).
    bool hasInputFocus() const;
    int selStart() const;
    int selLength() const;
    void setSelection(int start, int length);

    // The context menu's paste: the clipboard text replaces the selection, no key event.
    void pasteFromMenu();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void replaceSelection(const QString& inserted);
    void deleteSelectionOrChar(bool backwards);
    void copySelection();
    void commitEdit(const QString& text, int cursor);
    void raiseChange();

    int maxLength_ = 0;
    bool upperCase_ = false;
};

// The Windows virtual-key code of a Qt key event (Delete 46, Escape 27, Return 13 ...).
int windowsKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace zerval
