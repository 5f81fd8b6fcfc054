#pragma once

#include "platform/platform.h"

#include <QDialog>
#include <QPalette>

#include <exception>
#include <memory>

class QMouseEvent;

namespace Ui {
class TFormClinic;
}

namespace zerval {

class EditBox;
class OrderHeader;

// The text of a failure that no more specific report covers: the error's own words, or
// "Error message not found." when it has none.
QString FailureText(std::exception_ptr error);

// "Unidades de datos clínicos": laboratory results of 138 analytes between the conventional
// and the SI unit. The grid lists the analytes by Spanish or by stored (English) order; the
// chosen row loads its units and factor into two fields that convert into each other.
class TFormClinic : public QDialog {
    Q_OBJECT
public:
    explicit TFormClinic(QWidget* owner);
    ~TFormClinic() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    enum class Order { Spanish, Stored };

    // The two header cells, each with its order button (kind 2).
    struct HeaderCell {
        int column;
        int row = 0;
        int kind = 2;
    };

    void FillGrid(Order order);
    void StringGrid1SelectCell(int row);
    void StringGrid1MouseDown(QMouseEvent* event);
    void StringGrid1MouseUp(QMouseEvent* event);
    void EditKeyPress(int field, EditBox& box, char16_t& key);
    void EditKeyDown(int field, int keyCode);
    void EditChange(int field);
    void Label6MouseMove(QMouseEvent* event);

    // The stored index of the analyte in the grid's current row, or -1.
    int currentRecord() const;
    int recordOfRow(int row) const;
    EditBox* edit(int field) const;
    void ClearAllFields();
    // A report owned by the window, after which every field is cleared.
    void report(const QString& caption, MessageIcon icon, const QString& text);

    std::unique_ptr<Ui::TFormClinic> ui;
    OrderHeader* header_ = nullptr;
    HeaderCell headerCells_[2] = {{0}, {1}};
    Order order_ = Order::Spanish;
    int activeColumn_ = 0;
    bool buttonPressed_ = true;
    bool locks_[3] = {false, false, false};
    bool centred_ = false;
    // The application's hint colours as they were before the window changed them.
    QPalette savedHintPalette_;
};

} // namespace zerval
