#pragma once

#include <QDialog>

#include <memory>
#include <vector>

namespace Ui {
class TFormHierros;
}

class QMenu;

namespace zerval {

class BarCell;

// "Barras de acero": the reference table of ribbed bars for reinforced concrete. One cell at
// a time can be highlighted, and the value of the current cell copied to the clipboard.
//
// The selectable cells are panels named in reading order: Panel6 to Panel15 head the counts
// of 1 to 10 bars; the body follows row by row from Panel16, twelve panels a row (diameter,
// weight, then the sections of 1 to 10 bars), so that the 16 mm row is Panel112 to Panel123.
class TFormHierros : public QDialog {
    Q_OBJECT
public:
    explicit TFormHierros(QWidget* owner);
    ~TFormHierros() override;

protected:
    void showEvent(QShowEvent* event) override;
    // Tab and Shift+Tab enter a cell as a click does.
    bool focusNextPrevChild(bool next) override;

private:
    void Panel6Click(BarCell& cell);
    void Panel6ContextPopup(BarCell& cell, QPoint global);
    void Copiar1Click();

    BarCell* addCell(const QString& text, int number, int row, int column);

    std::unique_ptr<Ui::TFormHierros> ui;
    QMenu* PopupMenu1 = nullptr;
    BarCell* current_ = nullptr;
    BarCell* previous_ = nullptr;
    QChar separator_;
};

} // namespace zerval
