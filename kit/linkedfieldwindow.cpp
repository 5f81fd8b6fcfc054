#include "kit/linkedfieldwindow.h"

#include "kit/dialogchrome.h"
#include "kit/entrykit.h"
#include "kit/textforms.h"
#include "platform/editbox.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTextDocumentFragment>

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

namespace {
constexpr int kDeleteKey = 46;
constexpr int kEscapeKey = 27;
} // namespace

LinkedFieldWindow::LinkedFieldWindow(QWidget* owner, LinkedFieldLayout layout)
    : QDialog(owner, DialogChrome::flags())
    , layout_(std::move(layout)) {
    for (std::size_t row = 0; row < layout_.fields.size(); ++row)
        rows_.emplace(layout_.fields[row].number, row);
}

LinkedFieldWindow::~LinkedFieldWindow() = default;

void LinkedFieldWindow::bindFields() {
    static const QRegularExpression name(QStringLiteral("^Edit(\\d+)$"));
    for (EditBox* box : findChildren<EditBox*>()) {
        const auto match = name.match(box->objectName());
        if (!match.hasMatch()) continue;
        const int number = match.captured(1).toInt();
        fields_[number] = box;
        nameByUnit(*box, number);
        box->onKeyDown = [this](EditBox& edit, int keyCode) { keyDown(edit, keyCode); };
        box->onKeyPress = [this](EditBox& edit, char16_t& key) { keyPress(edit, key); };
        box->onChange = [this, number](EditBox&) { changed(number); };
    }
    DialogChrome::apply(*this, layout_.position);
}

// The unit label beside a field ("Label<n>" for "Edit<n>") names it for screen readers, and
// its access key, where it has one, reaches the field.
void LinkedFieldWindow::nameByUnit(EditBox& box, int number) {
    auto* label = findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
    if (!label) return;
    label->setBuddy(&box);
    if (!box.accessibleName().isEmpty()) return;
    QString name = label->text();
    if (Qt::mightBeRichText(name)) name = QTextDocumentFragment::fromHtml(name).toPlainText();
    box.setAccessibleName(name.remove(QLatin1Char('&')).simplified());
}

void LinkedFieldWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
}

EditBox* LinkedFieldWindow::field(int number) const {
    const auto found = fields_.find(number);
    return found == fields_.end() ? nullptr : found->second;
}

int LinkedFieldWindow::fieldNumber(const EditBox& box) const {
    for (const auto& [number, edit] : fields_)
        if (edit == &box) return number;
    return 0;
}

const LinkedField* LinkedFieldWindow::linkedField(int number) const {
    const auto found = rows_.find(number);
    return found == rows_.end() ? nullptr : &layout_.fields[found->second];
}

int LinkedFieldWindow::inputField() const {
    for (const auto& [number, edit] : fields_)
        if (edit->hasInputFocus()) return number;
    return activeField_;
}

bool LinkedFieldWindow::locked(int lock) const {
    const auto found = locks_.find(lock);
    return found != locks_.end() && found->second;
}

void LinkedFieldWindow::setLocked(int lock, bool isLocked) {
    locks_[lock] = isLocked;
}

void LinkedFieldWindow::activate(EditBox& box) {
    clearLocks();
    activeField_ = fieldNumber(box);
}

void LinkedFieldWindow::keyDown(EditBox& box, int keyCode) {
    if (layout_.closesOnEscape && keyCode == kEscapeKey) {
        reject();
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
    }
}

void LinkedFieldWindow::keyPress(EditBox& box, char16_t& key) {
    if (layout_.activation != KeyActivation::AllKeys) activate(box);
    try {
        key = FilterNumericKey(key, {box.text(), box.selStart(), box.selLength()},
                               platform().decimalSeparator());
    } catch (...) {
        const EditBox* active = field(activeField_);
        platform().plainMessage((active ? active->text() : QString()) +
                                QStringLiteral("\nno es un número válido."));
    }
}

void LinkedFieldWindow::changed(int number) {
    nesting_.run(
        [&] {
            handling_.push_back(number);
            try {
                fieldChanged(number);
            } catch (...) {
                handling_.pop_back();
                throw;
            }
            handling_.pop_back();
        },
        [&](std::exception_ptr error) {
            // Whatever stopped the cascade part-way is reported, and the window is emptied
            // so that it never shows new values beside stale ones.
            platform().reportError(error);
            ClearAllFields();
        });
}

bool LinkedFieldWindow::handling(int number) const {
    return std::find(handling_.begin(), handling_.end(), number) != handling_.end();
}

void LinkedFieldWindow::fieldChanged(int number) {
    if (number == layout_.hub) {
        hubChanged();
    } else if (const LinkedField* linked = linkedField(number)) {
        linkedFieldChanged(*linked);
    }
}

EntryReading LinkedFieldWindow::classifyAndRead(int number, bool parse) {
    const QString text = field(number)->text();
    EntryReading reading;
    if (parse)
        reading = readEntry(text, separator());
    else
        reading.kind = classifyText(text, separator());
    if (reading.kind == EntryClass::Empty) ClearAllFields();
    return reading;
}

bool LinkedFieldWindow::readField(int number) {
    EditBox* box = field(number);
    const bool typed = box->hasInputFocus();
    const EntryReading reading = classifyAndRead(number, typed);
    if (!reading.complete()) return false;
    if (!typed) return true;
    if (!reading.value) {
        platform().messageBox(nullptr, QStringLiteral("Error de conversión"),
                              MessageIcon::Information, notANumberMessage(box->text()));
        parseError = true;
        ClearAllFields();
        return false;
    }
    values_[number] = narrow(*reading.value);
    return true;
}

bool LinkedFieldWindow::readFieldQuietly(int number) {
    const bool typed = field(number)->hasInputFocus();
    const EntryReading reading = classifyAndRead(number, typed);
    if (!reading.complete()) return false;
    if (!typed) return true;
    if (!reading.value) return false;
    values_[number] = narrow(*reading.value);
    return true;
}

std::optional<Ext> LinkedFieldWindow::quietValue(int number, bool always) {
    const bool read = always || field(number)->hasInputFocus();
    const EntryReading reading = classifyAndRead(number, read);
    if (!reading.complete()) return std::nullopt;
    if (!read) return Ext(values_[number]);
    if (!reading.value) return std::nullopt;
    return Ext(*reading.value);
}

void LinkedFieldWindow::hubChanged() {
    const int hub = layout_.hub;
    if (locked(hub)) return;
    setLocked(hub, true);
    // The hub's value was stored unrounded by the field that wrote it, unless the user is
    // typing into the hub itself.
    if (!readField(hub)) return;
    if (layout_.hubGuard && values_[hub] > layout_.hubGuard->limit) runGuard(*layout_.hubGuard);
    cascadeFrom(hub);
}

void LinkedFieldWindow::cascadeFrom(int hub) {
    for (const LinkedField& linked : layout_.fields) {
        if (linked.number == activeField_ || linked.number == hub) continue;
        writeField(linked.number, linked.fromSource(Ext(values_[linked.source])).toDouble(),
                   linked.form);
    }
}

void LinkedFieldWindow::linkedFieldChanged(const LinkedField& linked) {
    if (!readField(linked.number)) return;
    writeBack(linked);
}

void LinkedFieldWindow::writeBack(const LinkedField& linked) {
    if (activeField_ == layout_.hub || locked(layout_.hub)) return;
    writeField(layout_.hub, linked.toHub(Ext(values_[linked.number])).toDouble(), linked.hubForm);
}

void LinkedFieldWindow::writeField(int number, double value, TextForm form) {
    values_[number] = value;
    if (EditBox* box = field(number)) {
        const QString text = form(value, separator());
        if (box->text() != text) {
            box->setText(text);
        } else if (!handling(number)) {
            // The same text raises no change, yet every field computed from this one must
            // follow the new value: typing passes through prefixes of a number whose rounded
            // texts often agree. A field whose own change is running already finishes it.
            changed(number);
        }
    }
    fieldWritten(number);
}

void LinkedFieldWindow::writeFollowing(int number, double value, TextForm form) {
    const QString before = field(number)->text();
    writeField(number, value, form);
    // writeField follows an unchanged text itself, but not into a field whose own change is
    // running; this one does.
    if (field(number)->text() == before && handling(number)) fieldChanged(number);
}

void LinkedFieldWindow::fieldWritten(int) {}

void LinkedFieldWindow::writeChild(const LinkedField& child) {
    writeField(child.number, child.fromSource(Ext(values_[child.source])).toDouble(), child.form);
}

void LinkedFieldWindow::writeParent(const LinkedField& child) {
    writeField(child.source, child.toHub(Ext(values_[child.number])).toDouble(), child.hubForm);
}

void LinkedFieldWindow::handOver(const LinkedField& child) {
    const double parentValue = child.toHub(Ext(values_[child.number])).toDouble();
    activeField_ = child.source;
    writeField(child.source, parentValue, child.hubForm);
}

void LinkedFieldWindow::runGuard(const OverflowGuard& guard) {
    if (guard.caption.isEmpty())
        platform().plainMessage(guard.text);
    else
        platform().messageBox(this, guard.caption, guard.icon, guard.text);
    values_[guard.valueField != 0 ? guard.valueField : guard.resetField] = guard.resetValue;
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

void LinkedFieldWindow::ClearAllFields() {
    parseError = false;
    for (const auto& [number, box] : fields_)
        box->setText(QString());
}

} // namespace zerval
