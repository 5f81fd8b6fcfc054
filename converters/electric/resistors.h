#pragma once

#include <QDialog>

#include <memory>

class QFrame;

namespace Ui {
class TForm_resistencias;
}

namespace zerval {

class ColourBandBox;
struct ResistorBands;

// "código de colores de resistencias": a resistance in ohms against the colour bands of a
// four- or five-band resistor, both ways, and its code notation (4K7, 2M2, 0R47).
class TForm_resistencias : public QDialog {
    Q_OBJECT
public:
    explicit TForm_resistencias(QWidget* owner);
    ~TForm_resistencias() override;

private:
    void ComboBox2Change();
    void ComboBox1Change();
    void Edit1Change();
    void RadioButton1Click();
    void RadioButton2Click();

    void setBandCount(bool fourBands);
    void resetBands();
    void showBands(const ResistorBands& bands);
    ResistorBands shownBands() const;
    void showCode(double ohms);
    // The value cannot be shown: the last character typed is taken back.
    void takeBackOverLimit();
    void paintBand(QFrame* panel, ColourBandBox* box);
    void drawResistor();

    std::unique_ptr<Ui::TForm_resistencias> ui;
    double ohms_ = 0.0;
    bool fourBands_ = false;
    // Set while a band change writes the value field, so that the write does not travel
    // back into the bands.
    bool bandEdit_ = false;
};

} // namespace zerval
