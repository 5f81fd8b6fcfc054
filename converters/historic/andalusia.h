#pragma once

#include <QDialog>

#include <array>
#include <memory>
#include <vector>

namespace Ui {
class TFormAndalucia;
}

class QTableWidget;

namespace zerval {

class CellEditor;
class EditBox;

// "Unidades Antiguas de Andalucía": eleven grids of old units by province, each beside the
// boxes of its metric quantity. A metric quantity typed into a box fills every cell; a number
// typed into a cell becomes the metric quantity, which refreshes the rest of the grid.
//
// Grids 1 to 3 (group A) act only while their permission flag is on; grids 4 to 11 (group B)
// only while their lock is off. Key presses turn a grid live again; the writes the program
// makes while it refreshes never loop back.
class TFormAndalucia : public QDialog {
    Q_OBJECT
public:
    explicit TFormAndalucia(QWidget* owner);
    ~TFormAndalucia() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Grid {
        int number = 0;
        QTableWidget* table = nullptr;
        CellEditor* cells = nullptr;
        std::vector<EditBox*> boxes;  // the first holds the metric quantity itself
        std::vector<double> toMetric; // each box's unit in the metric unit
        double quantity = 1.0;
        bool flag = false; // group A: permission; group B: lock
    };

    void FormShow();
    void TabSheet8Show();
    void TabSheetShow(int grid);
    void SpeedButton1Click();

    void Edit1KeyPress(EditBox& box, char16_t& key);
    void Edit1KeyDown(EditBox& box, int keyCode);
    void groupACellKeyPress(Grid& grid, char16_t& key);
    void groupBKeyPress(Grid& grid, EditBox& sender, char16_t& key);
    void metricChanged(Grid& grid, int box);
    void cellEdited(Grid& grid, int column, int row, const QString& text);

    void refreshCells(Grid& grid);
    void showFactors(Grid& grid, bool withTabDecimals);
    void resetToZero(Grid& grid);
    void setFlag(Grid& grid, bool on) { grid.flag = on; }
    int selectedCell(const Grid& grid) const;
    Grid& grid(int number) { return grids_[std::size_t(number - 1)]; }

    std::unique_ptr<Ui::TFormAndalucia> ui;
    std::array<Grid, 11> grids_;
    int activeCell_ = 0;
    QChar separator_;
};

} // namespace zerval
