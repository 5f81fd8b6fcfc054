#pragma once

#include "converters/geometry/sexagesimal.h"
#include "converters/geometry/unitcircle.h"

#include <QDialog>
#include <QImage>
#include <QPen>
#include <QPoint>
#include <QTimer>

#include <array>
#include <memory>

class QCheckBox;

namespace Ui {
class TForm_Trigonometricas;
}

namespace zerval {

class EditBox;

// "Funciones Trigonométricas": an angle as a sexagesimal triple and in radians, the ten
// circular functions of it, and the unit circle with each function drawn as its segment.
// Typing into a function's field sets the angle through the inverse function. The drawing
// zooms, is dragged about, animates the angle a degree at a time and can be saved.
class TForm_Trigonometricas : public QDialog {
    Q_OBJECT
public:
    explicit TForm_Trigonometricas(QWidget* owner);
    ~TForm_Trigonometricas() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Edit1KeyPress(EditBox& box, char16_t& key);
    void Edit1KeyDown(EditBox& box, int keyCode);
    void Edit1Change(EditBox& box);
    void Edit4Change(EditBox& box);
    void BitBtn1MouseDown();
    void BitBtn1MouseUp();
    void Button1Click();
    void DrawUnitCircle();
    void AngleToSexagesimal(const SexagesimalParts& triple);

    // A change the user made (typed, pasted or cut) in the focused field, as opposed to one
    // of the window's own writes; it makes that field the active one.
    bool userEdit(EditBox& box);
    void write(EditBox* box, const QString& text);
    void refuse(EditBox& box, const QString& message);
    SexagesimalParts currentTriple() const;
    void animationStep();
    void stopAnimation();
    void paintFigure(const UnitCircleFigure& figure, int radius);

    std::unique_ptr<Ui::TForm_Trigonometricas> ui;
    std::array<EditBox*, kTrigFunctionCount> valueFields_{};
    std::array<QCheckBox*, kTrigFunctionCount> checkBoxes_{};
    QPen pen_;
    QImage picture_;
    QTimer animationTimer_;

    double angle_ = 0.0;
    double degrees_ = 0.0;
    double minutes_ = 0.0;
    double seconds_ = 0.0;
    int centreX_ = 0;
    int centreY_ = 0;
    QPoint dragOffset_;
    EditBox* active_ = nullptr;
    bool animating_ = false;
    int writing_ = 0;
};

} // namespace zerval
