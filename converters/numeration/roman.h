#pragma once

#include <QDialog>
#include <QPalette>

#include <memory>
#include <optional>

namespace Ui {
class TFormRomanos;
}

namespace zerval {

class EditBox;

// "números romanos": Arabic digits and Roman numerals, each converted live into the other.
class TFormRomanos : public QDialog {
    Q_OBJECT
public:
    explicit TFormRomanos(QWidget* owner);
    ~TFormRomanos() override;

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Edit1Change();
    void Edit2Change();
    void Edit2MouseMove(QPoint globalPosition);
    void Label3Click();
    void FormClose();

    void updateRomanTip();
    void write(EditBox* field, const QString& text);

    std::unique_ptr<Ui::TFormRomanos> ui;
    // Set while the window writes a field: only what the user types is converted, so a
    // write never converts back, whichever control has the focus.
    bool writing_ = false;
    bool conventionShown_ = false;
    // The application's tooltip colours before the convention coloured them.
    std::optional<QPalette> standardTipPalette_;
};

} // namespace zerval
