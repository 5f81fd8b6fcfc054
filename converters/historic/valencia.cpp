#include "converters/historic/valencia.h"

#include "converters/historic/valenciagroups.h"
#include "kit/entrykit.h"
#include "kit/numbersyntax.h"
#include "kit/showinvalidnumber.h"
#include "kit/textforms.h"
#include "platform/editbox.h"
#include "platform/guardedbinding.h"
#include "platform/platform.h"
#include "ui_tformvalencia.h"

#include <QPlainTextEdit>

namespace zerval {

namespace {

constexpr int kLock = 0;

LinkedFieldLayout valenciaLayout() {
    LinkedFieldLayout layout;
    layout.hub = 1;
    layout.activation = KeyActivation::DeleteOnly;
    return layout;
}

const ValencianField* fieldOf(const ValencianGroup& group, int number) {
    for (const ValencianField& field : group.fields)
        if (field.number == number) return &field;
    return nullptr;
}

} // namespace

TFormValencia::TFormValencia(QWidget* owner)
    : LinkedFieldWindow(owner, valenciaLayout())
    , ui(std::make_unique<Ui::TFormValencia>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindGuarded(ui->SpeedButton1, this, &TFormValencia::SpeedButton1Click);
    adjustSize();
    bindFields();
}

TFormValencia::~TFormValencia() = default;

QPlainTextEdit* TFormValencia::memoOf(const ValencianGroup& group) const {
    switch (group.spelling) {
    case Spelling::Length:
        return ui->Memo1;
    case Spelling::Surface:
        return ui->Memo2;
    case Spelling::Volume:
        return ui->Memo3;
    case Spelling::Weight:
        return ui->Memo4;
    case Spelling::None:
        break;
    }
    return nullptr;
}

void TFormValencia::fieldChanged(int number) {
    const ValencianGroup* group = valencianGroupOf(number);
    if (!group) return;
    if (number == group->hub)
        hubChanged(*group);
    else
        otherFieldChanged(*group, number);
}

void TFormValencia::ClearTab(const ValencianGroup& group) {
    for (int number = group.first; number <= group.last; ++number)
        if (EditBox* box = field(number)) box->setText(QString());
    if (QPlainTextEdit* memo = memoOf(group)) memo->clear();
}

void TFormValencia::hubChanged(const ValencianGroup& group) {
    if (locked(kLock)) return;
    setLocked(kLock, true);
    EditBox* hub = field(group.hub);
    switch (ClassifyEntry(hub->text(), separator())) {
    case EntryClass::Empty:
        ClearTab(group);
        return;
    case EntryClass::Incomplete:
        return;
    case EntryClass::Convertible:
        break;
    }
    double hubValue = value(group.hub);
    if (hub->hasInputFocus()) {
        const std::optional<long double> read = readNumber(hub->text(), separator());
        if (!read) {
            ShowInvalidNumber(*hub);
            return;
        }
        try {
            hubValue = narrow(*read);
        } catch (const FloatError&) {
            platform().reportError(std::current_exception());
            return;
        }
    }
    writeGroup(group, hubValue);
}

bool TFormValencia::writeGroup(const ValencianGroup& group, double hubValue) {
    std::map<int, double> values;
    try {
        values = groupValues(group, hubValue, activeField(), value(activeField()));
    } catch (const FloatError&) {
        platform().reportError(std::current_exception());
        return false;
    }
    value(group.hub) = hubValue;
    for (const ValencianField& linked : group.fields) {
        if (linked.number == activeField()) continue;
        writeField(linked.number, values.at(linked.number), generalForm);
    }
    if (QPlainTextEdit* memo = memoOf(group)) {
        if (field(group.hub)->text().isEmpty())
            memo->clear();
        else
            memo->setPlainText(
                SpellCompound(group.spelling, values.at(group.spelledField), separator()));
    }
    return true;
}

void TFormValencia::otherFieldChanged(const ValencianGroup& group, int number) {
    EditBox* box = field(number);
    switch (ClassifyEntry(box->text(), separator())) {
    case EntryClass::Empty:
        ClearTab(group);
        return;
    case EntryClass::Incomplete:
        return;
    case EntryClass::Convertible:
        break;
    }
    // Only the field being typed or pasted into carries its value to the hub; the texts the
    // cascade writes stop here.
    if (!box->hasInputFocus()) return;
    const ValencianField* linked = fieldOf(group, number);
    const std::optional<long double> read = readNumber(box->text(), separator());
    if (!read) {
        ShowInvalidNumber(*box);
        return;
    }
    double typed = 0.0;
    double hubValue = 0.0;
    try {
        typed = narrow(*read);
        hubValue = (Ext(typed) * Ext(linked->toHub)).toDouble();
        // The whole group is tried before anything is written.
        groupValues(group, hubValue, number, typed);
    } catch (const FloatError&) {
        platform().reportError(std::current_exception());
        return;
    }
    value(number) = typed;
    EditBox* hub = field(group.hub);
    if (hub->hasInputFocus()) return;
    const QString before = hub->text();
    writeField(group.hub, hubValue, generalForm);
    // A new value whose text equals the hub's old one raises no change; the group must still
    // follow it.
    if (hub->text() == before) hubChanged(group);
}

void TFormValencia::SpeedButton1Click() {
    platform().messageBox(
        this, QStringLiteral("Aclaración"), MessageIcon::Information,
        QStringLiteral("Fanega - Cuartilla - Celemín - Cuartillo:\nSon medidas de capacidad "
                       "para áridos.\nAquí significan: espacio de tierra en que se siembra una "
                       "fanega, cuartilla, celemín o cuartillo de trigo.\n"));
}

} // namespace zerval
