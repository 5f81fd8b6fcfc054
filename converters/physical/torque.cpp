#include "converters/physical/torque.h"

#include "platform/platform.h"

#include "ui_tformtorque.h"

#include <exception>

namespace zerval {

namespace {

constexpr int kNewtonMetre = 1;

// A unit of torque: every change, the cascade's own included, carries its value back to the
// newton-metre unless the newton-metre is the field being typed in.
FieldRow unit(int number, long double fromNewtonMetres, long double toNewtonMetres) {
    FieldRow row{number,      kNewtonMetre, times({fromNewtonMetres}),
                 generalForm, kNewtonMetre, times({toNewtonMetres}),
                 generalForm};
    row.parentWrite = ParentWrite::UnlessParentActive;
    return row;
}

LinkedFieldLayout torqueLayout() {
    LinkedFieldLayout layout;
    layout.hub = kNewtonMetre;
    layout.activation = KeyActivation::KeyPressOnly;
    layout.position = QPoint(235, 173);
    // Each field written carries its value back to the hub; the next one is computed from the
    // hub value as it then stands.
    layout.rows = {
        unit(2, 10000000, 1e-7L),
        unit(3, 0.7375621492772654L, 1.3558179483314003L),
        unit(4, 23.730360404231938L, 0.0421401100938048L),
        unit(5, 8.850745791327185L, 0.1129848290276167L),
        // The kilogram-force metre as the reciprocal of 0.101971621.
        unit(6, 0.101971621L, per(0.101971621L)),
    };
    return layout;
}

} // namespace

TFormTorque::TFormTorque(QWidget* owner)
    : LinkedFieldWindow(owner, torqueLayout())
    , ui(std::make_unique<Ui::TFormTorque>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TFormTorque::~TFormTorque() = default;

// Only a running cascade holds the lock: a paste afterwards converts at once.
void TFormTorque::spreadDone(int hub) {
    setLocked(hub, false);
}

// Any failure while converting or writing, wherever it is raised in the cascade, is answered
// once with the window's own box.
void TFormTorque::answerError(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception&) {
        platform().messageBox(this, QStringLiteral("Número inválido"), MessageIcon::None,
                              QStringLiteral("Número inválido"));
        ClearAllFields();
    } catch (...) {
        LinkedFieldWindow::answerError(std::current_exception());
    }
}

} // namespace zerval
