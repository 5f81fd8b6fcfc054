#pragma once

#include <QDialog>

#include <memory>

class QButtonGroup;

namespace Ui {
class TCoordenadas;
}

namespace zerval {

class EditBox;

// "Coordenadas geográficas - WGS 84": a position as decimal degrees, as sexagesimal degrees
// and in UTM. A change in one group recomputes the others; range problems go to the status
// bar. The active field is the one that last received a key, and is cleared before a group
// writes the others so that those writes start nothing.
class TCoordenadas : public QDialog {
    Q_OBJECT
public:
    explicit TCoordenadas(QWidget* owner);
    ~TCoordenadas() override;

private:
    void Edit1KeyPress(EditBox& box, char16_t& key);
    void Edit1Change(EditBox& changed);
    void Edit8Change(EditBox& changed);
    void Edit9Change(EditBox& changed);
    void RadioGroup1Click();
    void Label18Click();

    void SplitSexagesimal(double value, EditBox* degrees, EditBox* minutes, EditBox* seconds,
                          const QString& secondsPattern);
    // Refreshes UTM when both coordinates are in its range, else names the one that is not.
    void RefreshUtmIfInRange();
    void RefreshUtm();
    bool southSelected() const;
    void showStatus(const QString& text);

    std::unique_ptr<Ui::TCoordenadas> ui;
    QButtonGroup* hemisphere_ = nullptr;
    double latitude_ = 0.0;
    double longitude_ = 0.0;
    double easting_ = 0.0;
    double northing_ = 0.0;
    bool parseError_ = false;
    EditBox* active_ = nullptr;
};

} // namespace zerval
