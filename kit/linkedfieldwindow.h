#pragma once

#include "kit/changenesting.h"
#include "kit/checked.h"
#include "kit/entryreading.h"
#include "platform/platform.h"

#include <QDialog>
#include <QPoint>

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <vector>

namespace zerval {

class EditBox;

// How a field's value is written as text.
using TextForm = QString (*)(double value, QChar separator);
QString resultForm(double value, QChar separator);       // six decimals, then general text
QString fiveDecimalForm(double value, QChar separator);  // five decimals, then general text
QString sevenDecimalForm(double value, QChar separator); // seven decimals, then general text
QString generalForm(double value, QChar separator);      // 15 significant digits, unrounded
// Seven decimals through RoundToScale (the rounded value divided by the scale), then general text.
QString sevenDecimalScaleForm(double value, QChar separator);

// A value carried from one unit into another, formed in extended precision.
using Conversion = std::function<Ext(Ext)>;
// Multiplies by each factor in turn.
Conversion times(std::initializer_list<long double> factors);
// factor * x + offset.
Conversion affine(long double factor, long double offset);
// The factor that undoes `unit`, at extended precision.
constexpr long double per(long double unit) {
    return 1.0L / unit;
}

// One field of a linked-field window. The cascade computes it from `source` (the hub, or a
// field written earlier in the same cascade) and writes it in `form`; a change typed into it
// gives the hub's value through `toHub`, written in `hubForm`.
struct LinkedField {
    int number;
    int source;
    Conversion fromSource;
    TextForm form;
    Conversion toHub;
    TextForm hubForm;
};

// What a window answers when a value leaves the range it can compute with: a message, a reset
// of one field and keystrokes typed into it after the handler has returned.
struct OverflowGuard {
    double limit;
    QString text;
    // An empty caption means a plain message (the application title as caption).
    QString caption;
    MessageIcon icon = MessageIcon::None;
    int resetField;
    double resetValue = 0.0;
    QString keystrokes;
    int pauseMilliseconds = 100;
    bool beepAfter = false;
    // The field whose value the reset sets, when it is not the reset field itself (0).
    int valueField = 0;
};

// Which events make a field the active one and clear the locks.
enum class KeyActivation {
    AllKeys,            // key down, for every key
    AllKeysAndKeyPress, // key down for every key, and the key press again
    DeleteOnly,         // key down only for Delete; the key press for every character
    KeyPressOnly,       // the key press only
};

struct LinkedFieldLayout {
    int hub = 1;
    KeyActivation activation = KeyActivation::AllKeys;
    std::vector<LinkedField> fields; // in the order the cascade writes them
    std::optional<OverflowGuard> hubGuard;
    // Where the window stands on the screen; centred when unset.
    std::optional<QPoint> position;
    // Escape closes the window from any of its fields.
    bool closesOnEscape = false;
};

// The linked-field converter: one numeric field per unit, all kept consistent. Typing into a
// field converts its value to the hub's unit and writes the hub; the hub's change writes every
// other field but the active one. Writing a text raises that field's change at once, so a
// lock stops the nested changes from propagating again.
//
// A window is its layout plus, where it departs from the common rules, overrides of
// fieldChanged for its own fields, built from the protected pieces below.
class LinkedFieldWindow : public QDialog {
    Q_OBJECT
public:
    ~LinkedFieldWindow() override;

protected:
    LinkedFieldWindow(QWidget* owner, LinkedFieldLayout layout);

    // Binds every edit box named "Edit<n>"; call after the form is set up.
    void bindFields();

    // A field's change. The default runs the hub's cascade for the hub and the common
    // field change for the others.
    virtual void fieldChanged(int number);

    // The common rules, for windows that build their own handlers from them.
    void hubChanged();
    void linkedFieldChanged(const LinkedField& field);
    // The hub from the field's value, unless the hub is the active field or its cascade has
    // run since the last key; the hub's change then spreads the value.
    void writeBack(const LinkedField& field);
    // Classifies and, when the field has the input focus, parses the field's text into its
    // value. False when the handler must stop (empty, incomplete or not a number).
    bool readField(int number);
    // The field's text classified and, when `parse` is set, read; an empty text empties the
    // window.
    EntryReading classifyAndRead(int number, bool parse);
    // The same for windows that read without a message or a flag: a text that does not
    // convert just stops the handler. A value beyond the double range raises FloatOverflow.
    bool readFieldQuietly(int number);
    // The quiet read, for windows whose fields read their text on every change (texts the
    // cascade wrote included) or guard values that no double holds: the text is converted
    // when the field has the input focus or `always` is set, and the value is given in
    // extended precision and left unstored, for the caller to judge and then narrow. Without
    // a read it is the stored value. Nullopt when the handler must stop.
    std::optional<Ext> quietValue(int number, bool always);
    void cascadeFrom(int hub);
    // Stores the value and writes its text.
    void writeField(int number, double value, TextForm form);
    // The same for a field whose change carries the value on (a hub): when the new value
    // leaves its text as it was, its change is run all the same.
    void writeFollowing(int number, double value, TextForm form);
    // Message, reset and queued keystrokes of an overflow guard.
    void runGuard(const OverflowGuard& guard);

    // Trees of units, where a field's `source` is its parent and `toHub` leads to that
    // parent (in `hubForm`) rather than to the window's hub.
    // The child from its parent's value.
    void writeChild(const LinkedField& child);
    // The parent from the child's value.
    void writeParent(const LinkedField& child);
    // The parent from the child's value, made the active field before its text is written,
    // so that its own change carries the value on towards a hub.
    void handOver(const LinkedField& child);

    // Called once writeField has stored a value and written its text (and that text's change
    // has run); a window hangs its signals on it, such as a label's colour.
    virtual void fieldWritten(int number);

    void ClearAllFields();

    EditBox* field(int number) const;
    int fieldNumber(const EditBox& box) const;
    double& value(int number) { return values_[number]; }
    const LinkedField* linkedField(int number) const;
    const LinkedFieldLayout& layout() const { return layout_; }

    int activeField() const { return activeField_; }
    void setActiveField(int number) { activeField_ = number; }
    // The field whose text the running change converted: the one the user is typing or
    // pasting into (it holds the input focus), else the active field. A mouse paste leaves
    // the active field where the last key was pressed, so messages about a text quote this.
    int inputField() const;
    // Locks are named by the field whose changes they stop; the hub's is the cascade lock.
    bool locked(int lock) const;
    void setLocked(int lock, bool locked);
    void clearLocks() { locks_.clear(); }

    bool parseError = false;
    QChar separator() const { return platform().decimalSeparator(); }

    void showEvent(QShowEvent* event) override;

private:
    void keyDown(EditBox& box, int keyCode);
    void keyPress(EditBox& box, char16_t& key);
    void changed(int number);
    void activate(EditBox& box);
    void nameByUnit(EditBox& box, int number);
    bool handling(int number) const;

    LinkedFieldLayout layout_;
    std::map<int, EditBox*> fields_;
    std::map<int, std::size_t> rows_; // a field's row in the layout
    std::map<int, double> values_;
    std::map<int, bool> locks_;
    int activeField_ = 1;
    ChangeNesting nesting_;
    // The fields whose changes are running, outermost first.
    std::vector<int> handling_;
};

} // namespace zerval
