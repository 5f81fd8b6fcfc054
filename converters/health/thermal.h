#pragma once

#include <QDialog>

#include <memory>

class QLabel;

namespace Ui {
class TForm4;
}

namespace zerval {

struct DangerBand;

// "Sensación Térmica": how hot or cold the weather feels. "Verano" looks the heat sensation
// up from temperature, humidity and wind; "Invierno" computes the wind chill. Each shows its
// danger band on a coloured panel with advice; the status bar shows the hints.
class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* owner);
    ~TForm4() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ComboBox1Change();
    void ComboBox4Change();
    void showBand(const DangerBand& band, QLabel* panel, QLabel* advice);

    std::unique_ptr<Ui::TForm4> ui;
};

} // namespace zerval
