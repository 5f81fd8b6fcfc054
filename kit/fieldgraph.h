#pragma once

#include "kit/changenesting.h"
#include "kit/checked.h"
#include "kit/entryreading.h"
#include "platform/platform.h"

#include <QPoint>
#include <QString>

#include <deque>
#include <exception>
#include <functional>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <vector>

class QWidget;

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

// One field of a window whose fields all write back to the one hub. The cascade computes it
// from `source` (the hub, or a field written earlier in the same cascade) and writes it in
// `form`; a change typed into it gives the hub's value through `toHub`, written in `hubForm`.
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
    FocusFollows,       // the key press; Delete's key down clears the locks only, and the
                        // window makes the field that takes the focus the active one
};

// How a change reads the text of its field. Only a text being typed (the field has the input
// focus) is read, except under QuietAlways; otherwise the value stored with the text stands.
enum class ReadMode {
    Messaged,     // a text that is not a number gets the conversion message, the window empties
    Quiet,        // such a text just stops the change
    QuietAlways,  // the same, reading the text on every change, texts the graph wrote included
    Raising,      // such a text raises UnreadableNumber, for the window's spreadFailed to answer
    MessagedKeep, // the conversion message, but neither it nor an emptied text empties the
                  // window: the change just stops
    RaisingKeep,  // as Raising, but an emptied text leaves the window as it is
};

// A typed text that is not a number, under ReadMode::Raising.
class UnreadableNumber : public std::runtime_error {
public:
    UnreadableNumber()
        : std::runtime_error("not a number") {}
};

enum class RowKind {
    Leaf,            // its change writes its parent
    GroupHub,        // locks itself, then writes its parent and the rows it owns
    TrailingLockHub, // writes its parent and the rows it owns, locking itself once the last of
                     // them is written; once a change nested in its own has locked it, it
                     // writes no more of its rows
    Relay,           // carries no lock: every change writes its parent and the rows it owns
};

// A lock a leaf takes on its own change.
enum class LeafLock {
    None,
    First,      // before anything else: a locked leaf ignores its changes
    WhenActive, // once its change is found to be the active field's
};

// When a change writes the row's parent.
enum class ParentWrite {
    UnlessParentBusy,   // unless the parent is the active field or locked
    UnlessParentLocked, // unless the parent is locked
    Always,
    UnlessParentActive, // unless the parent is the active field, locked or not
    WhenActive,         // only when the field is the active one
    WhenFocused,        // only when the field has the input focus and the parent is not active
    HandOver,           // always, making the parent the active field first, so that its own change
                        // carries the value on towards a hub
    Never,              // a hub with no parent
    FocusedAlone, // only when the field has the input focus, the parent not, whichever is active
    // Unless the parent has the input focus (it is being typed in).
    UnlessParentFocused,
};

// When a spread passes over the row.
enum class SpreadSkip {
    Auto,           // when it is the active field, or a group hub and locked
    Active,         // when it is the active field, locked or not
    Locked,         // when it is locked
    ActiveOrLocked, // when it is the active field or locked
};

// One row of a field graph. When the graph spreads from the hub that owns the row (the first
// hub on its chain of sources), the row is computed from `source` and written in `form`; a
// change of the row writes `parent` through `toParent`, in `parentForm`. A hub's own row is
// where, among its rows, it writes its parent.
struct FieldRow {
    int number;
    int source;
    Conversion fromSource;
    TextForm form;
    int parent;
    Conversion toParent;
    TextForm parentForm;
    RowKind kind = RowKind::Leaf;
    // A value typed into the field beyond the guard's limit runs the guard before the parent
    // is written.
    std::optional<OverflowGuard> typedGuard = std::nullopt;
    // A value spread into the field beyond this limit stops the spread: the window's
    // overLimit answers it.
    std::optional<double> spreadLimit = std::nullopt;
    // The window may give the field a text of its own in place of the computed one
    // (specialText).
    bool hasSpecialText = false;
    // How the field reads its text, when not as the layout says.
    std::optional<ReadMode> reading = std::nullopt;
    // The typed guard is judged on the value read, before it is narrowed to a double, and the
    // change stops once it has run.
    bool guardBeforeNarrowing = false;
    LeafLock lock = LeafLock::None;
    // Only the active field's change is carried on.
    bool activeOnly = false;
    ParentWrite parentWrite = ParentWrite::UnlessParentBusy;
    SpreadSkip skip = SpreadSkip::Auto;
    // Only a change of the field while it has the input focus is carried on: texts written
    // into it, or pasted while another field has the focus, are not read back.
    bool typedOnly = false;
    // An empty or unfinished text (judged with the decimal separator of the window's opening)
    // stops the field's change before anything else, leaving the window as it is.
    bool unfinishedStops = false;
    // The hub whose spread writes the row, when it is not the first hub on its chain of
    // sources (0): the row is then computed from a field that hub has just written.
    int owner = 0;
    // The field is its source and its parent under another name: each takes the other's text
    // as it stands, and its value.
    bool copiesText = false;
    // A value that overflows while a spread writes the field, or while the field's own change
    // carries it on, stops the spread as a limit does: the window's overLimit answers it.
    bool overflowIsLimit = false;
};

// A row of `unitsOfParent` parent units: the reciprocal, formed at extended precision,
// carries the parent's value into it, the factor carries its value back.
FieldRow scaledRow(int number, int parent, long double unitsOfParent, TextForm form,
                   RowKind kind = RowKind::Leaf);

struct LinkedFieldLayout {
    int hub = 1;
    KeyActivation activation = KeyActivation::AllKeys;
    // Rows of fields that all write the hub, in the order the cascade writes them.
    std::vector<LinkedField> fields;
    // Rows of a graph of group hubs, in the order each hub writes them; after `fields`.
    std::vector<FieldRow> rows;
    ReadMode reading = ReadMode::Messaged;
    // How the hub reads, when it differs.
    std::optional<ReadMode> hubReading;
    std::optional<OverflowGuard> hubGuard;
    // Where the window stands on the screen; centred when unset.
    std::optional<QPoint> position;
    // Escape closes the window from any of its fields.
    bool closesOnEscape = false;
    // Numbers are read and written with the decimal separator of the window's opening, not
    // with the one the platform reports at the time.
    bool separatorAtOpening = false;
    // A spread forms every text it writes before writing any, and a field forms its parent's
    // text and the parent's spread before writing the parent, so that a value too large for
    // one field changes none, its own value included. Special texts and spread limits are not
    // tried beforehand.
    bool wholeSpreads = false;
    // Every hub takes this one lock in place of its own, so that a cascade in one group stops
    // those of every other until the next key.
    std::optional<int> sharedHubLock;
};

// What a window adds to the graph that walks its fields.
class FieldGraphHooks {
public:
    // A field's change; a window that adds nothing spreads it (FieldGraph::spread).
    virtual void fieldChanged(int number) = 0;
    // Once a value has been stored and its text written (and that text's change has run).
    virtual void fieldWritten(int number);
    // A field's change found its text empty; before anything else of the change runs.
    virtual void fieldEmptied(int number);
    // After a hub has read its value and run its guards, before it spreads: false stops it.
    virtual bool hubReady(int hub);
    // A spread stopped at a row's spreadLimit, or at an overflow of a row flagged
    // overflowIsLimit.
    virtual void overLimit(int number);
    // A value about to be stored in a field, before it is narrowed to a double: the one the
    // field `reading` under ReadMode::Raising gives (its stored value when the text was not
    // typed), or the one a change carries into the field, its parent. False stops the read or
    // the write: the window has answered the value.
    virtual bool valueAccepted(int number, bool reading, Ext value);
    // A hub has written every row it owns.
    virtual void spreadDone(int hub);
    // An error raised while the field read its text (`reading`) or spread its value, in this
    // change or one nested in it; true when the window has answered it.
    virtual bool spreadFailed(int number, bool reading, std::exception_ptr error);
    // A number typed into a field read under ReadMode::Raising, before it is narrowed to a
    // double and stored: the window may replace it, or refuse it (false stops the change).
    virtual bool typedValue(int number, Ext& typed);
    // An error no change answered, once the outermost change has unwound.
    virtual void answerError(std::exception_ptr error) = 0;
    // The text a row flagged hasSpecialText shows in place of the computed one, if any.
    virtual std::optional<QString> specialText(int number);
    virtual QWidget* messageOwner() = 0;
    virtual void closeRequested() = 0;

protected:
    ~FieldGraphHooks() = default;
};

// The numeric fields of a window, their values and locks, and the walker that keeps them
// consistent. Writing a text raises that field's change at once, so a lock stops the nested
// changes from spreading again.
class FieldGraph {
public:
    FieldGraph(FieldGraphHooks& hooks, LinkedFieldLayout layout);
    // Each hub's spread points into the graph's own rows.
    FieldGraph(const FieldGraph&) = delete;
    FieldGraph& operator=(const FieldGraph&) = delete;

    // Binds every edit box of `form` named "Edit<n>", each named by its unit label.
    void bind(QWidget& form);

    // The walker: the common rule for a field's change. The hub and the group hubs lock
    // themselves, read, and write their parent and the rows they own; any other field writes
    // its parent.
    void spread(int number);
    void hubChanged(int hub);
    void leafChanged(const FieldRow& row);

    // The rules a window builds its own handlers from, for windows of hub rows.
    // The hub from the field's value, unless the hub is the active field or its cascade has
    // run since the last key; the hub's change then spreads the value.
    void writeBack(const LinkedField& field);
    // Every hub row (`fields`) but the active one and the hub, from its source.
    void cascadeFrom(int hub);
    void writeChild(const LinkedField& child);
    void writeParent(const LinkedField& child);
    void handOver(const LinkedField& child);

    bool readField(int number);
    EntryReading classifyAndRead(int number, bool parse);
    bool readFieldQuietly(int number);
    std::optional<Ext> quietValue(int number, bool always);
    bool read(int number, ReadMode mode);

    void writeField(int number, double value, TextForm form);
    void writeFollowing(int number, double value, TextForm form);
    void runGuard(const OverflowGuard& guard);
    void clearAllFields();

    EditBox* field(int number) const;
    int fieldNumber(const EditBox& box) const;
    double& value(int number);
    const LinkedField* linkedField(int number) const;
    const FieldRow* row(int number) const;
    const LinkedFieldLayout& layout() const { return layout_; }

    int activeField() const { return activeField_; }
    void setActiveField(int number) { activeField_ = number; }
    int inputField() const;
    bool locked(int lock) const;
    void setLocked(int lock, bool locked);
    void clearLocks();

    bool parseError = false;
    QChar separator() const {
        return layout_.separatorAtOpening ? openingSeparator_ : platform().decimalSeparator();
    }

private:
    struct Step {
        const FieldRow* row;
        bool own;  // the hub's own row: its parent is written here
        bool last; // the last row the hub owns
    };

    void keyDown(EditBox& box, int keyCode);
    void keyPress(EditBox& box, char16_t& key);
    void changed(int number);
    void activate(EditBox& box);
    void nameByUnit(QWidget& form, EditBox& box, int number);
    void change(const FieldRow* own, int number);
    bool spreadFrom(int hub, bool trailing);
    // Forms every text the hub's spread would write from `hubValue`, writing none.
    void trySpread(int hub, double hubValue) const;
    bool skips(const FieldRow& target) const;
    void copyText(int from, int to);
    void writeParentOf(const FieldRow& row);
    bool readRow(const FieldRow* row, int number, ReadMode mode);
    int ownerOf(const FieldRow& row) const;
    bool isHub(int number) const;

    FieldGraphHooks& hooks_;
    LinkedFieldLayout layout_;
    std::vector<FieldRow> rows_;             // the hub rows' and the graph's, in order
    std::vector<int> rowIndex_;              // a field's row, by number; -1 for none
    std::vector<int> linkedIndex_;           // a field's hub row in layout_.fields; -1 for none
    std::vector<std::vector<Step>> spreads_; // what each hub writes, by number
    std::vector<EditBox*> fields_;           // by number
    std::vector<int> boundNumbers_;          // the numbers of the bound fields, ascending
    std::deque<double> values_;              // by number; references stay valid as it grows
    std::vector<char> locks_;                // by number
    std::vector<int> handling_;              // changes running, by number
    int activeField_ = 1;
    QChar openingSeparator_;
    ChangeNesting nesting_;
};

} // namespace zerval
