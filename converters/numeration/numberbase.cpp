#include "converters/numeration/numberbase.h"

#include "converters/numeration/basedigits.h"
#include "platform/platform.h"
#include "ui_tformbase.h"

#include <QLineEdit>
#include <QScopedValueRollback>

namespace zerval {

namespace {

void setUpBaseBox(QComboBox* box) {
    // An inline completion would turn a typed "1" into "10" behind the user's back.
    box->setCompleter(nullptr);
    box->lineEdit()->setMaxLength(2);
}

} // namespace

TFormBase::TFormBase(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TFormBase>()) {
    ui->setupUi(this);
    setFixedSize(size());
    ui->Edit1->setUpperCase(true);
    ui->Edit2->setUpperCase(true);
    setUpBaseBox(ui->ComboBox1);
    setUpBaseBox(ui->ComboBox2);

    ui->Edit1->onChange = [this](EditBox&) { Edit1Change(); };
    ui->Edit2->onChange = [this](EditBox&) { Edit2Change(); };
    connect(ui->ComboBox1, &QComboBox::editTextChanged, this,
            [this] { guarded([this] { ComboBox1Change(); }); });
    connect(ui->ComboBox2, &QComboBox::editTextChanged, this,
            [this] { guarded([this] { ComboBox2Change(); }); });
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

TFormBase::~TFormBase() = default;

void TFormBase::write(EditBox* field, const QString& text) {
    const QScopedValueRollback<bool> lock(writing_, true);
    field->setText(text);
}

void TFormBase::convert(EditBox* typed, int typedBase, EditBox* other, int otherBase) {
    const auto value = readInBase(typed->text(), typedBase);
    if (!value) {
        write(typed, QStringLiteral("0"));
        write(other, writeInBase(0, otherBase));
        return;
    }
    write(other, writeInBase(*value, otherBase));
}

void TFormBase::rewrite(EditBox* field, QComboBox* baseBox, int& base, EditBox* other,
                        int otherBase) {
    base = baseFromText(baseBox->currentText());
    field->setMaxLength(maxLengthForBase(base));
    write(field, writeInBase(readInBase(other->text(), otherBase).value_or(0), base));
}

void TFormBase::Edit1Change() {
    if (writing_) return;
    convert(ui->Edit1, base1_, ui->Edit2, base2_);
}

void TFormBase::Edit2Change() {
    if (writing_) return;
    convert(ui->Edit2, base2_, ui->Edit1, base1_);
}

void TFormBase::ComboBox1Change() {
    rewrite(ui->Edit1, ui->ComboBox1, base1_, ui->Edit2, base2_);
}

void TFormBase::ComboBox2Change() {
    rewrite(ui->Edit2, ui->ComboBox2, base2_, ui->Edit1, base1_);
}

} // namespace zerval
