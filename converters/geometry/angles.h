#pragma once

#include "kit/changenesting.h"

#include <QDialog>
#include <QPen>

#include <memory>

namespace Ui {
class TFormAngulo;
}

namespace zerval {

class EditBox;
enum class AngleUnit;

// "Ángulos planos": an angle in seven units, as a sexagesimal triple and on a dial. Two hubs
// with a lock each: the radians (Edit1) feed the gons, revolutions, right angles and the
// dial; the degrees (Edit2) feed the minutes, seconds and the triple; each hub writes the
// other. The active field follows the input focus.
class TFormAngulo : public QDialog {
    Q_OBJECT
public:
    explicit TFormAngulo(QWidget* owner);
    ~TFormAngulo() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Edit1KeyPress(EditBox& box, char16_t& key);
    void Edit1KeyDown(EditBox& box, int keyCode);
    void Edit1Change();
    void Edit2Change();
    void DegreeUnitChange(EditBox* field, AngleUnit unit, double& value);
    void RadianUnitChange(EditBox* field, AngleUnit unit, double& value);
    void Edit8Change();
    void Edit9Change();
    void Edit10Change();
    void DrawAngle(double angle);

    // Steps 1 to 3 shared by every change handler; false when the change goes no further.
    bool commonEntry(EditBox* field, double& value);
    void writeFromHub(EditBox* field, AngleUnit unit, double hub, double& value);
    void writeHub(EditBox* hub, const QString& text);
    bool typedFraction(EditBox* field) const;
    void showTriple(double degrees);
    void applyTriple(double degrees, double minutes, double seconds);
    template <typename Body> void overflowGuard(Body&& body);
    void resetAfterOverflow();

    std::unique_ptr<Ui::TFormAngulo> ui;
    QPen pen_;
    QChar separator_;

    double radians_ = 0.0;
    double degrees_ = 0.0;
    double minutes_ = 0.0;
    double seconds_ = 0.0;
    double gons_ = 0.0;
    double revolutions_ = 0.0;
    double rightAngles_ = 0.0;
    // The triple as last computed or typed: whole degrees (a magnitude), minutes, seconds.
    double tripleDegrees_ = 0.0;
    double tripleMinutes_ = 0.0;
    double tripleSeconds_ = 0.0;

    bool lockR_ = false;
    bool lockD_ = false;
    bool parseError_ = false;
    EditBox* active_ = nullptr;
    ChangeNesting nesting_;
};

} // namespace zerval
