#pragma once

#include "kit/fieldgraph.h"

#include <QDialog>
#include <QPen>

#include <memory>

namespace Ui {
class TFormAngulo;
}

namespace zerval {

// "Ángulos planos": an angle in seven units, as a sexagesimal triple and on a dial. Two hubs
// with a lock each: the radians (Edit1) feed the gons, revolutions, right angles and the
// dial; the degrees (Edit2) feed the minutes, seconds and the triple; each hub writes the
// other. The active field follows the input focus.
class TFormAngulo : public QDialog, protected FieldGraphHooks {
    Q_OBJECT
public:
    explicit TFormAngulo(QWidget* owner);
    ~TFormAngulo() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    void fieldChanged(int number) override;
    bool hubReady(int hub) override;
    void spreadDone(int hub) override;
    std::optional<QString> specialText(int number) override;
    void answerError(std::exception_ptr error) override;
    QWidget* messageOwner() override { return this; }
    void closeRequested() override { reject(); }

private:
    void Edit8Change();
    void Edit9Change();
    void Edit10Change();
    void DrawAngle(double angle);

    bool activeOrLocked(int hub) const;
    bool typedFraction(int number) const;
    void applyTriple(double degrees, double minutes, double seconds);
    void resetAfterOverflow();

    std::unique_ptr<Ui::TFormAngulo> ui;
    // The radians, degrees, minutes, seconds, gons, revolutions, right angles and the triple
    // as last computed or typed (whole degrees as a magnitude, minutes, seconds), by field.
    FieldGraph graph_;
    QPen pen_;
    QChar separator_;
};

} // namespace zerval
