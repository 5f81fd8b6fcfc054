#include "kit/fieldgraph.h"

#include "kit/entrykit.h"
#include "kit/textforms.h"
#include "platform/editbox.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QWidget>

#include <algorithm>

namespace zerval {

QString resultForm(double value, QChar separator) {
    return ResultText(value, separator);
}
QString fiveDecimalForm(double value, QChar separator) {
    return RoundedText(value, 5, separator);
}
QString sevenDecimalForm(double value, QChar separator) {
    return RoundedText(value, 7, separator);
}
QString generalForm(double value, QChar separator) {
    return GeneralText(value, separator);
}
QString sevenDecimalScaleForm(double value, QChar separator) {
    return GeneralText(narrow(RoundToScale(value, 10000000)), separator);
}

Conversion times(std::initializer_list<long double> factors) {
    std::vector<long double> all(factors);
    return [all](Ext x) {
        for (long double factor : all)
            x = x * Ext(factor);
        return x;
    };
}

Conversion affine(long double factor, long double offset) {
    return [factor, offset](Ext x) { return x * Ext(factor) + Ext(offset); };
}

FieldRow scaledRow(int number, int parent, long double unitsOfParent, TextForm form, RowKind kind) {
    return {number, parent, times({per(unitsOfParent)}), form, parent, times({unitsOfParent}),
            form,   kind};
}

void FieldGraphHooks::fieldWritten(int) {}
void FieldGraphHooks::fieldEmptied(int) {}
bool FieldGraphHooks::hubReady(int) {
    return true;
}
void FieldGraphHooks::overLimit(int) {}
bool FieldGraphHooks::valueAccepted(int, bool, Ext) {
    return true;
}
void FieldGraphHooks::spreadDone(int) {}
bool FieldGraphHooks::spreadFailed(int, bool, std::exception_ptr) {
    return false;
}
bool FieldGraphHooks::typedValue(int, Ext&) {
    return true;
}
std::optional<QString> FieldGraphHooks::specialText(int) {
    return std::nullopt;
}

namespace {
constexpr int kDeleteKey = 46;
constexpr int kEscapeKey = 27;

template <typename T> void growTo(std::vector<T>& table, int number, T fill) {
    if (number >= static_cast<int>(table.size())) table.resize(number + 1, fill);
}
} // namespace

FieldGraph::FieldGraph(FieldGraphHooks& hooks, LinkedFieldLayout layout)
    : hooks_(hooks)
    , layout_(std::move(layout))
    , openingSeparator_(platform().decimalSeparator()) {
    for (std::size_t index = 0; index < layout_.fields.size(); ++index) {
        const LinkedField& linked = layout_.fields[index];
        growTo(linkedIndex_, linked.number, -1);
        linkedIndex_[linked.number] = static_cast<int>(index);
        rows_.push_back({linked.number, linked.source, linked.fromSource, linked.form, layout_.hub,
                         linked.toHub, linked.hubForm});
    }
    rows_.insert(rows_.end(), layout_.rows.begin(), layout_.rows.end());
    for (std::size_t index = 0; index < rows_.size(); ++index) {
        growTo(rowIndex_, rows_[index].number, -1);
        rowIndex_[rows_[index].number] = static_cast<int>(index);
    }
    // Each hub's spread, worked out once: the rows it owns and its own row, in table order.
    for (const FieldRow& entry : rows_) {
        if (entry.kind != RowKind::Leaf) {
            growTo<std::vector<Step>>(spreads_, entry.number, {});
            spreads_[entry.number].push_back({&entry, true, false});
        }
        if (entry.number == layout_.hub) continue;
        const int owner = ownerOf(entry);
        growTo<std::vector<Step>>(spreads_, owner, {});
        spreads_[owner].push_back({&entry, false, false});
    }
    for (std::vector<Step>& steps : spreads_) {
        const auto last =
            std::find_if(steps.rbegin(), steps.rend(), [](const Step& step) { return !step.own; });
        if (last != steps.rend()) last->last = true;
    }
    // Every value a row reads exists before any field is bound.
    value(layout_.hub);
    for (const FieldRow& entry : rows_) {
        value(entry.number);
        value(entry.source);
        value(entry.parent);
    }
}

// The first hub on the row's chain of sources; the window's hub when the chain leaves the
// graph.
int FieldGraph::ownerOf(const FieldRow& entry) const {
    if (entry.owner != 0) return entry.owner;
    int source = entry.source;
    for (std::size_t steps = 0; steps <= rows_.size(); ++steps) {
        if (isHub(source)) return source;
        const FieldRow* next = row(source);
        if (!next) break;
        source = next->source;
    }
    return layout_.hub;
}

bool FieldGraph::isHub(int number) const {
    if (number == layout_.hub) return true;
    const FieldRow* entry = row(number);
    return entry && entry->kind != RowKind::Leaf;
}

void FieldGraph::bind(QWidget& form) {
    static const QRegularExpression name(QStringLiteral("^Edit(\\d+)$"));
    for (EditBox* box : form.findChildren<EditBox*>()) {
        const auto match = name.match(box->objectName());
        if (!match.hasMatch()) continue;
        const int number = match.captured(1).toInt();
        growTo(fields_, number, static_cast<EditBox*>(nullptr));
        if (!fields_[number]) boundNumbers_.push_back(number);
        fields_[number] = box;
        value(number);
        nameByUnit(form, *box, number);
        box->onKeyDown = [this](EditBox& edit, int keyCode) { keyDown(edit, keyCode); };
        box->onKeyPress = [this](EditBox& edit, char16_t& key) { keyPress(edit, key); };
        box->onChange = [this, number](EditBox&) { changed(number); };
    }
    std::sort(boundNumbers_.begin(), boundNumbers_.end());
    growTo(locks_, static_cast<int>(fields_.size()), char(0));
    growTo(handling_, static_cast<int>(fields_.size()), 0);
}

// The unit label beside a field ("Label<n>" for "Edit<n>") names it for screen readers, and
// its access key, where it has one, reaches the field.
void FieldGraph::nameByUnit(QWidget& form, EditBox& box, int number) {
    auto* label = form.findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
    if (!label) return;
    label->setBuddy(&box);
    if (!box.accessibleName().isEmpty()) return;
    QString name = label->text();
    if (Qt::mightBeRichText(name)) name = QTextDocumentFragment::fromHtml(name).toPlainText();
    box.setAccessibleName(name.remove(QLatin1Char('&')).simplified());
}

EditBox* FieldGraph::field(int number) const {
    return number >= 0 && number < static_cast<int>(fields_.size()) ? fields_[number] : nullptr;
}

int FieldGraph::fieldNumber(const EditBox& box) const {
    for (int number : boundNumbers_)
        if (fields_[number] == &box) return number;
    return 0;
}

double& FieldGraph::value(int number) {
    if (number >= static_cast<int>(values_.size())) values_.resize(number + 1, 0.0);
    return values_[number];
}

const LinkedField* FieldGraph::linkedField(int number) const {
    if (number < 0 || number >= static_cast<int>(linkedIndex_.size())) return nullptr;
    const int index = linkedIndex_[number];
    return index < 0 ? nullptr : &layout_.fields[index];
}

const FieldRow* FieldGraph::row(int number) const {
    if (number < 0 || number >= static_cast<int>(rowIndex_.size())) return nullptr;
    const int index = rowIndex_[number];
    return index < 0 ? nullptr : &rows_[index];
}

int FieldGraph::inputField() const {
    for (int number : boundNumbers_)
        if (fields_[number]->hasInputFocus()) return number;
    return activeField_;
}

bool FieldGraph::locked(int lock) const {
    return lock >= 0 && lock < static_cast<int>(locks_.size()) && locks_[lock];
}

void FieldGraph::setLocked(int lock, bool isLocked) {
    growTo(locks_, lock, char(0));
    locks_[lock] = isLocked;
}

void FieldGraph::clearLocks() {
    std::fill(locks_.begin(), locks_.end(), char(0));
}

void FieldGraph::activate(EditBox& box) {
    clearLocks();
    activeField_ = fieldNumber(box);
}

void FieldGraph::keyDown(EditBox& box, int keyCode) {
    if (layout_.closesOnEscape && keyCode == kEscapeKey) {
        hooks_.closeRequested();
        return;
    }
    switch (layout_.activation) {
    case KeyActivation::AllKeys:
    case KeyActivation::AllKeysAndKeyPress:
        activate(box);
        break;
    case KeyActivation::DeleteOnly:
        if (keyCode == kDeleteKey) activate(box);
        break;
    case KeyActivation::KeyPressOnly:
        break;
    case KeyActivation::FocusFollows:
        if (keyCode == kDeleteKey) clearLocks();
        break;
    }
}

void FieldGraph::keyPress(EditBox& box, char16_t& key) {
    if (layout_.activation != KeyActivation::AllKeys) activate(box);
    try {
        key = FilterNumericKey(key, {box.text(), box.selStart(), box.selLength()}, separator());
    } catch (...) {
        const EditBox* active = field(activeField_);
        platform().plainMessage((active ? active->text() : QString()) +
                                QStringLiteral("\nno es un número válido."));
    }
}

void FieldGraph::changed(int number) {
    nesting_.run(
        [&] {
            growTo(handling_, number, 0);
            ++handling_[number];
            try {
                if (const EditBox* box = field(number); box && box->text().isEmpty())
                    hooks_.fieldEmptied(number);
                hooks_.fieldChanged(number);
            } catch (...) {
                --handling_[number];
                throw;
            }
            --handling_[number];
        },
        [&](std::exception_ptr error) { hooks_.answerError(error); });
}

void FieldGraph::spread(int number) {
    if (number == layout_.hub)
        change(nullptr, number);
    else if (const FieldRow* entry = row(number))
        change(entry, number);
}

void FieldGraph::hubChanged(int hub) {
    spread(hub);
}

void FieldGraph::leafChanged(const FieldRow& entry) {
    change(&entry, entry.number);
}

// The walker's one step: the change of the window's hub (no row) or of a row.
void FieldGraph::change(const FieldRow* own, int number) {
    if (own && own->unfinishedStops &&
        classifyText(field(number)->text(), openingSeparator_) != EntryClass::Convertible)
        return;
    const RowKind kind = own ? own->kind : RowKind::GroupHub;
    const bool trailing = kind == RowKind::TrailingLockHub;
    const bool locksFirst = kind == RowKind::GroupHub || (own && own->lock == LeafLock::First);
    if (own && own->typedOnly && !field(number)->hasInputFocus()) return;
    const int lock =
        kind != RowKind::Leaf && layout_.sharedHubLock ? *layout_.sharedHubLock : number;
    if ((locksFirst || trailing) && locked(lock)) return;
    if (locksFirst) setLocked(lock, true);
    if (own && (own->activeOnly || own->lock == LeafLock::WhenActive) && number != activeField_)
        return;
    if (own && own->lock == LeafLock::WhenActive) {
        if (locked(number)) return;
        setLocked(number, true);
    }
    const std::optional<ReadMode> ownReading = own ? own->reading : layout_.hubReading;
    const double before = value(number);
    bool reading = true;
    try {
        if (!readRow(own, number, ownReading.value_or(layout_.reading))) return;
        reading = false;
        const std::optional<OverflowGuard>& guard = own ? own->typedGuard : layout_.hubGuard;
        if (guard && !(own && own->guardBeforeNarrowing) && values_[number] > guard->limit)
            runGuard(*guard);
        if (kind == RowKind::Leaf) {
            writeParentOf(*own);
        } else {
            if (!hooks_.hubReady(number)) return;
            if (layout_.wholeSpreads) trySpread(number, values_[number]);
            if (spreadFrom(number, trailing)) hooks_.spreadDone(number);
        }
    } catch (...) {
        if (layout_.wholeSpreads && !reading) values_[number] = before;
        if (!hooks_.spreadFailed(number, reading, std::current_exception())) throw;
        return;
    }
    if (trailing) setLocked(lock, true);
}

bool FieldGraph::spreadFrom(int hub, bool trailing) {
    if (hub >= static_cast<int>(spreads_.size())) return true;
    for (const Step& step : spreads_[hub]) {
        const FieldRow& target = *step.row;
        if (step.own) {
            writeParentOf(target);
            continue;
        }
        if (target.number != hub && !skips(target) && !(trailing && locked(hub))) {
            std::optional<QString> special;
            if (target.hasSpecialText) special = hooks_.specialText(target.number);
            if (special) {
                field(target.number)->setText(*special);
            } else if (target.copiesText) {
                copyText(target.source, target.number);
            } else if (target.overflowIsLimit) {
                try {
                    writeField(target.number,
                               target.fromSource(Ext(values_[target.source])).toDouble(),
                               target.form);
                } catch (const FloatError&) {
                    hooks_.overLimit(target.number);
                    return false;
                }
            } else {
                const double result = target.fromSource(Ext(values_[target.source])).toDouble();
                if (target.spreadLimit && result > *target.spreadLimit) {
                    hooks_.overLimit(target.number);
                    return false;
                }
                writeField(target.number, result, target.form);
            }
        }
        if (trailing && step.last) setLocked(hub, true);
    }
    return true;
}

bool FieldGraph::skips(const FieldRow& target) const {
    switch (target.skip) {
    case SpreadSkip::Auto:
        // A hub already reached by this change keeps the text it was given, so the change
        // spreads once and never rewrites a hub in another rounding.
        return target.number == activeField_ ||
               (target.kind == RowKind::GroupHub && locked(target.number));
    case SpreadSkip::Active:
        return target.number == activeField_;
    case SpreadSkip::Locked:
        return locked(target.number);
    case SpreadSkip::ActiveOrLocked:
        return target.number == activeField_ || locked(target.number);
    }
    return false;
}

void FieldGraph::writeParentOf(const FieldRow& entry) {
    switch (entry.parentWrite) {
    case ParentWrite::UnlessParentBusy:
        if (entry.parent == activeField_ || locked(entry.parent)) return;
        break;
    case ParentWrite::UnlessParentLocked:
        if (locked(entry.parent)) return;
        break;
    case ParentWrite::Always:
        break;
    case ParentWrite::UnlessParentActive:
        if (entry.parent == activeField_) return;
        break;
    case ParentWrite::WhenActive:
        if (entry.number != activeField_) return;
        break;
    case ParentWrite::WhenFocused:
        if (!field(entry.number)->hasInputFocus() || entry.parent == activeField_) return;
        break;
    case ParentWrite::UnlessParentFocused:
        if (field(entry.parent)->hasInputFocus()) return;
        break;
    case ParentWrite::Never:
        return;
    case ParentWrite::FocusedAlone:
        if (!field(entry.number)->hasInputFocus() || field(entry.parent)->hasInputFocus()) return;
        break;
    case ParentWrite::HandOver:
        break;
    }
    if (entry.copiesText) {
        copyText(entry.number, entry.parent);
        return;
    }
    const Ext parentValue = entry.toParent(Ext(values_[entry.number]));
    if (!hooks_.valueAccepted(entry.parent, false, parentValue)) return;
    const double stored = parentValue.toDouble();
    if (entry.parentWrite == ParentWrite::HandOver) {
        activeField_ = entry.parent;
    } else if (layout_.wholeSpreads) {
        entry.parentForm(stored, separator());
        if (isHub(entry.parent)) trySpread(entry.parent, stored);
    }
    writeField(entry.parent, stored, entry.parentForm);
}

void FieldGraph::trySpread(int hub, double hubValue) const {
    if (hub >= static_cast<int>(spreads_.size())) return;
    std::vector<double> trial(values_.begin(), values_.end());
    trial[hub] = hubValue;
    for (const Step& step : spreads_[hub]) {
        const FieldRow& target = *step.row;
        if (step.own || target.number == hub || skips(target)) continue;
        trial[target.number] = target.fromSource(Ext(trial[target.source])).toDouble();
        target.form(trial[target.number], separator());
    }
}

bool FieldGraph::readRow(const FieldRow* own, int number, ReadMode mode) {
    if (own && own->guardBeforeNarrowing && own->typedGuard) {
        // Judged before narrowing, so that a text beyond the range of a double meets the
        // guard too; the guard starts the window afresh and nothing is left to write.
        const std::optional<Ext> read = quietValue(number, mode == ReadMode::QuietAlways);
        if (!read) return false;
        if (*read > Ext(own->typedGuard->limit)) {
            runGuard(*own->typedGuard);
            return false;
        }
        value(number) = read->toDouble();
        return true;
    }
    return this->read(number, mode);
}

bool FieldGraph::read(int number, ReadMode mode) {
    switch (mode) {
    case ReadMode::Messaged:
        return readField(number);
    case ReadMode::Quiet:
        return readFieldQuietly(number);
    case ReadMode::QuietAlways: {
        const std::optional<Ext> read = quietValue(number, true);
        if (!read) return false;
        value(number) = read->toDouble();
        return true;
    }
    case ReadMode::MessagedKeep: {
        EditBox* box = field(number);
        if (!box->hasInputFocus())
            return classifyText(box->text(), separator()) == EntryClass::Convertible;
        const EntryReading reading = readEntry(box->text(), separator());
        if (!reading.complete()) return false;
        parseError = !reading.value;
        if (parseError) {
            platform().messageBox(nullptr, QStringLiteral("Error de conversión"),
                                  MessageIcon::Information, notANumberMessage(box->text()));
            return false;
        }
        value(number) = narrow(*reading.value);
        return true;
    }
    case ReadMode::Raising:
    case ReadMode::RaisingKeep: {
        const bool typed = field(number)->hasInputFocus();
        EntryReading reading;
        if (mode == ReadMode::Raising) {
            reading = classifyAndRead(number, typed);
        } else if (typed) {
            reading = readEntry(field(number)->text(), separator());
        } else {
            reading.kind = classifyText(field(number)->text(), separator());
        }
        if (!reading.complete()) return false;
        if (!typed) return hooks_.valueAccepted(number, true, Ext(value(number)));
        if (!reading.value) throw UnreadableNumber();
        Ext typedValue(*reading.value);
        if (!hooks_.typedValue(number, typedValue)) return false;
        if (!hooks_.valueAccepted(number, true, typedValue)) return false;
        value(number) = narrow(typedValue.raw());
        return true;
    }
    }
    return false;
}

EntryReading FieldGraph::classifyAndRead(int number, bool parse) {
    const QString text = field(number)->text();
    EntryReading reading;
    if (parse)
        reading = readEntry(text, separator());
    else
        reading.kind = classifyText(text, separator());
    if (reading.kind == EntryClass::Empty) clearAllFields();
    return reading;
}

bool FieldGraph::readField(int number) {
    EditBox* box = field(number);
    const bool typed = box->hasInputFocus();
    const EntryReading reading = classifyAndRead(number, typed);
    if (!reading.complete()) return false;
    if (!typed) return true;
    if (!reading.value) {
        platform().messageBox(nullptr, QStringLiteral("Error de conversión"),
                              MessageIcon::Information, notANumberMessage(box->text()));
        parseError = true;
        clearAllFields();
        return false;
    }
    value(number) = narrow(*reading.value);
    return true;
}

bool FieldGraph::readFieldQuietly(int number) {
    const bool typed = field(number)->hasInputFocus();
    const EntryReading reading = classifyAndRead(number, typed);
    if (!reading.complete()) return false;
    if (!typed) return true;
    if (!reading.value) return false;
    value(number) = narrow(*reading.value);
    return true;
}

std::optional<Ext> FieldGraph::quietValue(int number, bool always) {
    const bool read = always || field(number)->hasInputFocus();
    const EntryReading reading = classifyAndRead(number, read);
    if (!reading.complete()) return std::nullopt;
    if (!read) return Ext(value(number));
    if (!reading.value) return std::nullopt;
    return Ext(*reading.value);
}

void FieldGraph::cascadeFrom(int hub) {
    for (const LinkedField& linked : layout_.fields) {
        if (linked.number == activeField_ || linked.number == hub) continue;
        writeField(linked.number, linked.fromSource(Ext(value(linked.source))).toDouble(),
                   linked.form);
    }
}

void FieldGraph::writeBack(const LinkedField& linked) {
    if (activeField_ == layout_.hub || locked(layout_.hub)) return;
    writeField(layout_.hub, linked.toHub(Ext(value(linked.number))).toDouble(), linked.hubForm);
}

void FieldGraph::writeField(int number, double newValue, TextForm form) {
    value(number) = newValue;
    if (EditBox* box = field(number)) {
        const QString text = form(newValue, separator());
        if (box->text() != text) {
            box->setText(text);
        } else if (!handling_[number]) {
            // The same text raises no change, yet every field computed from this one must
            // follow the new value: typing passes through prefixes of a number whose rounded
            // texts often agree. A field whose own change is running already finishes it.
            changed(number);
        }
    }
    hooks_.fieldWritten(number);
}

void FieldGraph::copyText(int from, int to) {
    value(to) = value(from);
    EditBox* box = field(to);
    const QString text = field(from)->text();
    if (box->text() != text)
        box->setText(text);
    else if (isHub(to) && !handling_[to])
        changed(to);
}

void FieldGraph::writeFollowing(int number, double newValue, TextForm form) {
    const QString before = field(number)->text();
    writeField(number, newValue, form);
    // writeField follows an unchanged text itself, but not into a field whose own change is
    // running; this one does.
    if (field(number)->text() == before && handling_[number]) hooks_.fieldChanged(number);
}

void FieldGraph::writeChild(const LinkedField& child) {
    writeField(child.number, child.fromSource(Ext(value(child.source))).toDouble(), child.form);
}

void FieldGraph::writeParent(const LinkedField& child) {
    writeField(child.source, child.toHub(Ext(value(child.number))).toDouble(), child.hubForm);
}

void FieldGraph::handOver(const LinkedField& child) {
    const double parentValue = child.toHub(Ext(value(child.number))).toDouble();
    activeField_ = child.source;
    writeField(child.source, parentValue, child.hubForm);
}

void FieldGraph::runGuard(const OverflowGuard& guard) {
    if (guard.caption.isEmpty())
        platform().plainMessage(guard.text);
    else
        platform().messageBox(hooks_.messageOwner(), guard.caption, guard.icon, guard.text);
    value(guard.valueField != 0 ? guard.valueField : guard.resetField) = guard.resetValue;
    activeField_ = guard.resetField;
    EditBox* box = field(guard.resetField);
    box->setFocus();
    box->setText(QString());
    for (QChar key : guard.keystrokes) {
        platform().pause(guard.pauseMilliseconds);
        platform().queueKeystroke(key);
    }
    if (guard.beepAfter) platform().beep();
}

void FieldGraph::clearAllFields() {
    parseError = false;
    for (int number : boundNumbers_)
        fields_[number]->setText(QString());
}

} // namespace zerval
