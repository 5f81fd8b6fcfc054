#pragma once

#include "kit/fieldgraph.h"

#include <QDialog>

namespace zerval {

// The linked-field converter: one numeric field per unit, all kept consistent by the field
// graph the window owns. Typing into a field writes its parent (the hub, or a group hub);
// a hub's change writes every field it owns but the active one.
//
// A window is its layout plus, where it departs from the common rules, the graph's hooks
// (fieldWritten, hubReady, overLimit, spreadFailed, specialText, answerError). Older windows
// build their own handlers from the protected pieces below, which hand on to the graph.
class LinkedFieldWindow : public QDialog, protected FieldGraphHooks {
    Q_OBJECT
public:
    ~LinkedFieldWindow() override;

protected:
    LinkedFieldWindow(QWidget* owner, LinkedFieldLayout layout);

    // Binds every edit box named "Edit<n>"; call after the form is set up.
    void bindFields();

    // A field's change. The default spreads it along the graph.
    void fieldChanged(int number) override;
    void fieldWritten(int number) override;
    // The default reports the error and empties the window, so that it never shows new values
    // beside stale ones.
    void answerError(std::exception_ptr error) override;
    QWidget* messageOwner() override { return this; }
    void closeRequested() override { reject(); }

    FieldGraph& graph() { return graph_; }

    // The common rules, for windows that build their own handlers from them.
    void hubChanged() { graph_.hubChanged(graph_.layout().hub); }
    void linkedFieldChanged(const LinkedField& field) {
        graph_.leafChanged(*graph_.row(field.number));
    }
    // The hub from the field's value, unless the hub is the active field or its cascade has
    // run since the last key; the hub's change then spreads the value.
    void writeBack(const LinkedField& field) { graph_.writeBack(field); }
    // Classifies and, when the field has the input focus, parses the field's text into its
    // value. False when the handler must stop (empty, incomplete or not a number).
    bool readField(int number) { return graph_.readField(number); }
    // The field's text classified and, when `parse` is set, read; an empty text empties the
    // window.
    EntryReading classifyAndRead(int number, bool parse) {
        return graph_.classifyAndRead(number, parse);
    }
    // The same for windows that read without a message or a flag: a text that does not
    // convert just stops the handler. A value beyond the double range raises FloatOverflow.
    bool readFieldQuietly(int number) { return graph_.readFieldQuietly(number); }
    // The quiet read, for windows whose fields read their text on every change (texts the
    // cascade wrote included) or guard values that no double holds: the text is converted
    // when the field has the input focus or `always` is set, and the value is given in
    // extended precision and left unstored, for the caller to judge and then narrow. Without
    // a read it is the stored value. Nullopt when the handler must stop.
    std::optional<Ext> quietValue(int number, bool always) {
        return graph_.quietValue(number, always);
    }
    void cascadeFrom(int hub) { graph_.cascadeFrom(hub); }
    // Stores the value and writes its text.
    void writeField(int number, double value, TextForm form) {
        graph_.writeField(number, value, form);
    }
    // The same for a field whose change carries the value on (a hub): when the new value
    // leaves its text as it was, its change is run all the same.
    void writeFollowing(int number, double value, TextForm form) {
        graph_.writeFollowing(number, value, form);
    }
    // Message, reset and queued keystrokes of an overflow guard.
    void runGuard(const OverflowGuard& guard) { graph_.runGuard(guard); }

    // Trees of units, where a field's `source` is its parent and `toHub` leads to that
    // parent (in `hubForm`) rather than to the window's hub.
    // The child from its parent's value.
    void writeChild(const LinkedField& child) { graph_.writeChild(child); }
    // The parent from the child's value.
    void writeParent(const LinkedField& child) { graph_.writeParent(child); }
    // The parent from the child's value, made the active field before its text is written,
    // so that its own change carries the value on towards a hub.
    void handOver(const LinkedField& child) { graph_.handOver(child); }

    void ClearAllFields() { graph_.clearAllFields(); }

    EditBox* field(int number) const { return graph_.field(number); }
    int fieldNumber(const EditBox& box) const { return graph_.fieldNumber(box); }
    double& value(int number) { return graph_.value(number); }
    const LinkedField* linkedField(int number) const { return graph_.linkedField(number); }
    const LinkedFieldLayout& layout() const { return graph_.layout(); }

    int activeField() const { return graph_.activeField(); }
    void setActiveField(int number) { graph_.setActiveField(number); }
    // The field whose text the running change converted: the one the user is typing or
    // pasting into (it holds the input focus), else the active field. A mouse paste leaves
    // the active field where the last key was pressed, so messages about a text quote this.
    int inputField() const { return graph_.inputField(); }
    // Locks are named by the field whose changes they stop; the hub's is the cascade lock.
    bool locked(int lock) const { return graph_.locked(lock); }
    void setLocked(int lock, bool locked) { graph_.setLocked(lock, locked); }
    void clearLocks() { graph_.clearLocks(); }

    QChar separator() const { return graph_.separator(); }

    void showEvent(QShowEvent* event) override;

private:
    FieldGraph graph_;

protected:
    bool& parseError = graph_.parseError;
};

} // namespace zerval
