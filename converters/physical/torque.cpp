#include "converters/physical/torque.h"

#include "platform/platform.h"

#include "ui_tformtorque.h"

#include <exception>

namespace zerval {

namespace {

constexpr int kNewtonMetre = 1;

LinkedFieldLayout torqueLayout() {
    LinkedFieldLayout layout;
    layout.hub = kNewtonMetre;
    layout.activation = KeyActivation::KeyPressOnly;
    layout.position = QPoint(235, 173);
    const TextForm g = generalForm;
    layout.fields = {
        {2, kNewtonMetre, times({10000000}), g, times({1e-7L}), g},
        {3, kNewtonMetre, times({0.7375621492772654L}), g, times({1.3558179483314003L}), g},
        {4, kNewtonMetre, times({23.730360404231938L}), g, times({0.0421401100938048L}), g},
        {5, kNewtonMetre, times({8.850745791327185L}), g, times({0.1129848290276167L}), g},
        // The kilogram-force metre as the reciprocal of 0.101971621.
        {6, kNewtonMetre, times({0.101971621L}), g, times({per(0.101971621L)}), g},
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

void TFormTorque::fieldChanged(int number) {
    if (number == kNewtonMetre)
        Edit1Change();
    else if (linkedField(number))
        intoNewtonMetres(number);
}

void TFormTorque::Edit1Change() {
    if (locked(kNewtonMetre)) return;
    setLocked(kNewtonMetre, true);
    underGuard([this] {
        if (!readField(kNewtonMetre)) return;
        // Each field written carries its value back to the hub (below); the next one is
        // computed from the hub value as it then stands.
        for (const LinkedField& linked : layout().fields) {
            if (linked.number == activeField()) continue;
            writeField(linked.number, linked.fromSource(Ext(value(kNewtonMetre))).toDouble(),
                       linked.form);
        }
        // Only a running cascade holds the lock: a paste afterwards converts at once.
        setLocked(kNewtonMetre, false);
    });
}

void TFormTorque::intoNewtonMetres(int number) {
    underGuard([this, number] {
        if (!readField(number)) return;
        if (activeField() == kNewtonMetre) return;
        const LinkedField& linked = *linkedField(number);
        writeFollowing(kNewtonMetre, linked.toHub(Ext(value(number))).toDouble(), linked.hubForm);
    });
}

void TFormTorque::underGuard(const std::function<void()>& handler) {
    if (guarding_) {
        handler();
        return;
    }
    guarding_ = true;
    try {
        handler();
    } catch (const std::exception&) {
        guarding_ = false;
        platform().messageBox(this, QStringLiteral("Número inválido"), MessageIcon::None,
                              QStringLiteral("Número inválido"));
        ClearAllFields();
        return;
    }
    guarding_ = false;
}

} // namespace zerval
