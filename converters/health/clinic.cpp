#include "converters/health/clinic.h"

#include "converters/health/analytecells.h"
#include "converters/health/analytes.h"
#include "converters/health/orderheader.h"
#include "kit/checked.h"
#include "kit/entrykit.h"
#include "kit/numbersyntax.h"
#include "kit/textforms.h"
#include "platform/editbox.h"
#include "ui_tformclinic.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QToolTip>
#include <stdexcept>

namespace zerval {

namespace {

constexpr int kDeleteKey = 46;
constexpr int kRowHeight = 24;
constexpr int kColumnWidths[2] = {224, 218};
// A press this close to a header cell's right edge counts as a press on its order button,
// a little wider than the button itself.
constexpr int kButtonGrip = 22;

const QString kConversionCaption = QStringLiteral("Error de conversión");
const QString kWarningHint =
    QStringLiteral("Como con cualquier otro software, verifique los datos\ny los resultados de "
                   "los procesos antes de aplicarlos;\nen particular si se trata de cuestiones "
                   "de salud.");
const QColor kHintColour(193, 192, 255);
// Long enough that the warning stays until the pointer leaves it.
constexpr int kHintShownFor = 24 * 60 * 60 * 1000;

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    widget->setPalette(colours);
}

} // namespace

QString FailureText(std::exception_ptr error) {
    QString text;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& known) {
        text = QString::fromUtf8(known.what());
    } catch (...) {
    }
    return text.isEmpty() ? QStringLiteral("Error message not found.") : text;
}

TFormClinic::TFormClinic(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , ui(std::make_unique<Ui::TFormClinic>())
    , savedHintPalette_(QToolTip::palette()) {
    ui->setupUi(this);
    setFixedSize(size());
    setTextColour(ui->Label1, QColor(0, 0, 128));
    setTextColour(ui->Label6, QColor(0, 0, 255));

    QTableWidget* grid = ui->StringGrid1;
    header_ = new OrderHeader(grid);
    grid->setHorizontalHeader(header_);
    grid->setItemDelegate(new AnalyteCells(grid));
    grid->setColumnCount(2);
    grid->setRowCount(int(Analytes().size()));
    grid->setHorizontalHeaderLabels({QStringLiteral("Componente"), QStringLiteral("Component")});
    grid->horizontalHeader()->setVisible(true);
    for (int column = 0; column < 2; ++column)
        grid->setColumnWidth(column, kColumnWidths[column]);
    grid->verticalHeader()->setMinimumSectionSize(kRowHeight);
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < 2; ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            grid->setItem(row, column, item);
        }
    header_->viewport()->installEventFilter(this);
    ui->Label6->installEventFilter(this);

    for (int field = 1; field <= 2; ++field) {
        EditBox* box = edit(field);
        box->onKeyDown = [this, field](EditBox&, int keyCode) { EditKeyDown(field, keyCode); };
        box->onKeyPress = [this, field](EditBox& b, char16_t& key) { EditKeyPress(field, b, key); };
        box->onChange = [this, field](EditBox&) { EditChange(field); };
    }
    connect(grid, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { guarded([&] { StringGrid1SelectCell(row); }); });
    // A click on the row already chosen loads it again, whatever was typed since.
    connect(grid, &QTableWidget::cellPressed, this,
            [this](int row, int) { guarded([&] { StringGrid1SelectCell(row); }); });
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    FillGrid(Order::Spanish);
    grid->setCurrentCell(0, 0);
}

TFormClinic::~TFormClinic() {
    QToolTip::setPalette(savedHintPalette_);
}

void TFormClinic::showEvent(QShowEvent* event) {
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QDialog::showEvent(event);
}

EditBox* TFormClinic::edit(int field) const {
    return field == 1 ? ui->Edit1 : ui->Edit2;
}

void TFormClinic::FillGrid(Order order) {
    QTableWidget* grid = ui->StringGrid1;
    const int current = currentRecord();
    const std::span<const Analyte> analytes = Analytes();
    std::vector<int> records;
    if (order == Order::Spanish) {
        records = SpanishOrder();
    } else {
        for (std::size_t i = 0; i < analytes.size(); ++i)
            records.push_back(int(i));
    }
    int newRow = -1;
    for (int row = 0; row < int(records.size()); ++row) {
        const Analyte& analyte = analytes[std::size_t(records[std::size_t(row)])];
        grid->item(row, 0)->setText(QString::fromUtf16(analyte.spanish));
        grid->item(row, 1)->setText(QString::fromUtf16(analyte.english));
        if (records[std::size_t(row)] == current) newRow = row;
    }
    order_ = order;
    // The analyte that was chosen stays chosen, wherever it now stands.
    if (newRow >= 0 && newRow != grid->currentRow()) {
        grid->setCurrentCell(newRow, grid->currentColumn() < 0 ? 0 : grid->currentColumn());
    }
    if (newRow >= 0) grid->scrollToItem(grid->item(newRow, 0));
}

int TFormClinic::currentRecord() const {
    return recordOfRow(ui->StringGrid1->currentRow());
}

int TFormClinic::recordOfRow(int row) const {
    if (row < 0) return -1;
    const QTableWidgetItem* english = ui->StringGrid1->item(row, 1);
    return english ? AnalyteByEnglishName(english->text()) : -1;
}

void TFormClinic::StringGrid1SelectCell(int row) {
    if (row < 0) return;
    const int record = recordOfRow(row);
    try {
        if (record < 0) throw std::out_of_range("no analyte");
        const Analyte& analyte = Analytes()[std::size_t(record)];
        const QString factorText = GeneralText(analyte.factor, platform().decimalSeparator());
        ui->Label1->setText(ui->StringGrid1->item(row, 0)->text());
        ui->Edit1->setText(QStringLiteral("1"));
        ui->Edit2->setText(factorText);
        ui->Label3->setText(QString::fromUtf16(analyte.conventionalUnit));
        ui->Label5->setText(QString::fromUtf16(analyte.siUnit));
    } catch (const FloatError&) {
        ui->Label3->setText(QStringLiteral("..."));
        ui->Label5->setText(QStringLiteral("..."));
        report(QStringLiteral("Error"), MessageIcon::Warning,
               QStringLiteral("Error en la conversión.\nEste componente no tiene una conversión "
                              "asociada."));
    } catch (const std::out_of_range&) {
        ui->Label3->setText(QStringLiteral("..."));
        ui->Label5->setText(QStringLiteral("..."));
        report(QStringLiteral("Error"), MessageIcon::Warning,
               QStringLiteral("Error de Acceso.\nEste componente no tiene una conversión "
                              "asociada."));
    }
}

void TFormClinic::EditKeyDown(int field, int keyCode) {
    if (keyCode == kDeleteKey) locks_[field] = false;
}

void TFormClinic::EditKeyPress(int field, EditBox& box, char16_t& key) {
    locks_[field] = false;
    // Return and Escape go on to the window's default and cancel button.
    if (key == 13 || key == 27) return;
    key = FilterNumericKey(key, {box.text(), box.selStart(), box.selLength()},
                           platform().decimalSeparator());
}

// The two fields write each other directly, each behind its own lock; a field converts only
// while the user is typing into it, so texts the window writes never convert back.
void TFormClinic::EditChange(int field) {
    if (locks_[field]) return;
    locks_[field] = true;
    EditBox* box = edit(field);
    const QChar separator = platform().decimalSeparator();
    switch (ClassifyEntry(box->text(), separator)) {
    case EntryClass::Empty:
        ClearAllFields();
        return;
    case EntryClass::Incomplete:
        return;
    case EntryClass::Convertible:
        break;
    }
    if (!box->hasInputFocus()) return;
    const int record = currentRecord();
    if (record < 0) return;
    const double factor = Analytes()[std::size_t(record)].factor;
    const QString text = box->text();
    // A report quotes no more than the first hundred characters, so that a long paste still
    // gives a box that fits on the screen.
    const QString quoted = text.left(100);
    try {
        const std::optional<long double> value = readNumber(text, separator);
        if (!value) {
            report(kConversionCaption, MessageIcon::Warning,
                   field == 1 ? quoted + QStringLiteral("No es un número válido.")
                              : quoted + QStringLiteral(" no es un número válido."));
            return;
        }
        const double result =
            field == 1 ? ConventionalToSI(*value, factor) : SIToConventional(*value, factor);
        edit(3 - field)->setText(GeneralText(result, separator));
    } catch (const FloatError&) {
        report(kConversionCaption, MessageIcon::Warning,
               quoted + QStringLiteral("\nNo es un número válido."));
    } catch (...) {
        report(QStringLiteral("Error"), MessageIcon::Error, FailureText(std::current_exception()));
    }
}

void TFormClinic::report(const QString& caption, MessageIcon icon, const QString& text) {
    platform().messageBox(this, caption, icon, text);
    ClearAllFields();
}

void TFormClinic::ClearAllFields() {
    ui->Edit1->setText(QString());
    ui->Edit2->setText(QString());
}

bool TFormClinic::eventFilter(QObject* watched, QEvent* event) {
    if (watched == header_->viewport()) {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            guarded([&] { StringGrid1MouseDown(static_cast<QMouseEvent*>(event)); });
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            guarded([&] { StringGrid1MouseUp(static_cast<QMouseEvent*>(event)); });
            return true;
        }
    } else if (watched == ui->Label6 && event->type() == QEvent::MouseMove) {
        guarded([&] { Label6MouseMove(static_cast<QMouseEvent*>(event)); });
    }
    return QDialog::eventFilter(watched, event);
}

void TFormClinic::StringGrid1MouseDown(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int x = int(event->position().x());
    const int column = header_->logicalIndexAt(x);
    if (column < 0 || column == activeColumn_) return;
    const int right = header_->sectionViewportPosition(column) + header_->sectionSize(column);
    buttonPressed_ = x >= right - kButtonGrip;
    if (buttonPressed_) activeColumn_ = column;
    header_->setButtonState(activeColumn_, buttonPressed_);
}

void TFormClinic::StringGrid1MouseUp(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !buttonPressed_) return;
    const int column = header_->logicalIndexAt(int(event->position().x()));
    if (column < 0 || headerCells_[column].kind != 2) return;
    const Order wanted = column == 1 ? Order::Stored : Order::Spanish;
    if (wanted == order_) return;
    FillGrid(wanted);
    header_->setButtonState(activeColumn_, buttonPressed_);
    ui->StringGrid1->viewport()->update();
}

void TFormClinic::Label6MouseMove(QMouseEvent* event) {
    ui->Label6->setToolTip(kWarningHint);
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, kHintColour);
    QToolTip::setPalette(hints);
    // The warning shows at once and stays while the pointer rests on it.
    QToolTip::showText(event->globalPosition().toPoint(), kWarningHint, ui->Label6, QRect(),
                       kHintShownFor);
}

} // namespace zerval
