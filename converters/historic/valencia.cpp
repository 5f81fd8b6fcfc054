#include "converters/historic/valencia.h"

#include "converters/historic/valenciagroups.h"
#include "kit/showinvalidnumber.h"
#include "platform/editbox.h"
#include "platform/guardedbinding.h"
#include "platform/platform.h"
#include "ui_tformvalencia.h"

#include <QPlainTextEdit>

namespace zerval {

namespace {

// Each group around its metric hub, which has no parent; its fields are written unrounded
// and carry a typed value to the hub only from the field being typed or pasted into.
LinkedFieldLayout valenciaLayout() {
    LinkedFieldLayout layout;
    layout.hub = 0; // no field: every group hub is a row
    layout.activation = KeyActivation::DeleteOnly;
    layout.reading = ReadMode::RaisingKeep;
    layout.wholeSpreads = true;
    // One lock serves the whole window.
    layout.sharedHubLock = 0;
    for (const ValencianGroup& group : valencianGroups()) {
        FieldRow hub{group.hub, group.hub,  times({1}),  generalForm,
                     group.hub, times({1}), generalForm, RowKind::GroupHub};
        hub.parentWrite = ParentWrite::Never;
        layout.rows.push_back(hub);
        for (const ValencianField& unit : group.fields) {
            FieldRow row{unit.number, unit.source,         times({unit.factor}), generalForm,
                         group.hub,   times({unit.toHub}), generalForm};
            row.parentWrite = ParentWrite::FocusedAlone;
            layout.rows.push_back(row);
        }
    }
    return layout;
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

// Emptying a field empties only its own group.
void TFormValencia::fieldEmptied(int number) {
    const ValencianGroup* group = valencianGroupOf(number);
    if (!group) return;
    for (int other = group->first; other <= group->last; ++other)
        if (EditBox* box = field(other)) box->setText(QString());
    if (QPlainTextEdit* memo = memoOf(*group)) memo->clear();
}

void TFormValencia::spreadDone(int hub) {
    const ValencianGroup* group = valencianGroupOf(hub);
    QPlainTextEdit* memo = group ? memoOf(*group) : nullptr;
    if (!memo) return;
    if (field(hub)->text().isEmpty())
        memo->clear();
    else
        memo->setPlainText(SpellCompound(group->spelling, value(group->spelledField), separator()));
}

// A text that is no number is quoted and selected; a value out of range is reported and the
// group left as it was.
bool TFormValencia::spreadFailed(int number, bool reading, std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const UnreadableNumber&) {
        if (!reading) return false;
        ShowInvalidNumber(*field(number));
        return true;
    } catch (const FloatError&) {
        platform().reportError(error);
        return true;
    } catch (...) {
        return false;
    }
}

void TFormValencia::SpeedButton1Click() {
    platform().messageBox(
        this, QStringLiteral("Aclaración"), MessageIcon::Information,
        QStringLiteral("Fanega - Cuartilla - Celemín - Cuartillo:\nSon medidas de capacidad "
                       "para áridos.\nAquí significan: espacio de tierra en que se siembra una "
                       "fanega, cuartilla, celemín o cuartillo de trigo.\n"));
}

} // namespace zerval
