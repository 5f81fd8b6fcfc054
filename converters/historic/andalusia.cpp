#include "converters/historic/andalusia.h"

#include "converters/historic/andalusiafactors.h"
#include "converters/historic/celleditor.h"
#include "kit/checked.h"
#include "kit/entrykit.h"
#include "kit/numbersyntax.h"
#include "kit/showinvalidnumber.h"
#include "kit/textforms.h"
#include "platform/editbox.h"
#include "platform/guardedbinding.h"
#include "platform/platform.h"
#include "ui_tformandalucia.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>

#include <QShowEvent>

#include <algorithm>
#include <cmath>

namespace zerval {

namespace {

constexpr int kDeleteKey = 46;
constexpr long double kLimit = 1e300L;
const QString kScientific = QStringLiteral("0.0000E+00");
const QString kFineScientific = QStringLiteral("0.000000E+00");

int column0(const AndalusianGrid& grid) {
    return grid.provinceColumn ? 1 : 0;
}

int powerOfTen(int decimals) {
    int scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    return scale;
}

// A value rounded to some decimals, or unrounded where the rounding itself would leave the
// range of a double.
QString roundedText(double value, int decimals, QChar separator) {
    try {
        return GeneralText(RoundToScale(value, powerOfTen(decimals)), separator);
    } catch (const FloatError&) {
        return GeneralText(value, separator);
    }
}

QString resultOrGeneral(double value, QChar separator) {
    try {
        return ResultText(value, separator);
    } catch (const FloatError&) {
        return GeneralText(value, separator);
    }
}

bool beyondLimit(long double value) {
    return !(std::fabs(value) <= kLimit);
}

} // namespace

TFormAndalucia::TFormAndalucia(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TFormAndalucia>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    separator_ = platform().decimalSeparator();

    QTableWidget* const tables[] = {ui->StringGrid1,  ui->StringGrid2, ui->StringGrid3,
                                    ui->StringGrid4,  ui->StringGrid5, ui->StringGrid6,
                                    ui->StringGrid7,  ui->StringGrid8, ui->StringGrid9,
                                    ui->StringGrid10, ui->StringGrid11};
    const std::vector<std::vector<EditBox*>> boxes = {{ui->Edit1},
                                                      {ui->Edit2},
                                                      {ui->Edit3},
                                                      {ui->Edit4},
                                                      {ui->Edit5},
                                                      {ui->Edit6, ui->Edit7, ui->Edit8},
                                                      {ui->Edit9, ui->Edit10},
                                                      {ui->Edit11},
                                                      {ui->Edit12},
                                                      {ui->Edit13},
                                                      {ui->Edit14}};
    const QColor fixedColour = palette().color(QPalette::ToolTipBase);

    for (int number = 1; number <= kAndalusianGrids; ++number) {
        Grid& g = grid(number);
        const AndalusianGrid& data = andalusianGrid(number);
        g.number = number;
        g.table = tables[number - 1];
        g.boxes = boxes[std::size_t(number - 1)];
        g.toMetric = number == 6   ? std::vector<double>{1.0, 0.01, 0.001}
                     : number == 7 ? std::vector<double>{1.0, 0.001}
                                   : std::vector<double>{1.0};

        QTableWidget* table = g.table;
        table->setRowCount(kProvinces + 1);
        table->setColumnCount(int(data.units.size()) + column0(data));
        table->horizontalHeader()->hide();
        table->verticalHeader()->hide();
        table->horizontalHeader()->setDefaultSectionSize(70);
        table->verticalHeader()->setDefaultSectionSize(20);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setEditTriggers(QAbstractItemView::CurrentChanged |
                               QAbstractItemView::SelectedClicked |
                               QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);
        table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column) {
                auto* item = new QTableWidgetItem;
                const bool fixed = row == 0 || (data.provinceColumn && column == 0);
                if (fixed) {
                    item->setFlags(Qt::ItemIsEnabled);
                    item->setBackground(fixedColour);
                } else {
                    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                }
                table->setItem(row, column, item);
            }
        for (int unit = 0; unit < data.units.size(); ++unit)
            table->item(0, unit + column0(data))->setText(data.units[unit]);
        if (data.provinceColumn)
            for (int p = 0; p < kProvinces; ++p)
                table->item(p + 1, 0)->setText(andalusianProvinces()[p]);

        // Cells are 70 pixels wide, or as wide as their header needs in this font.
        table->resizeColumnsToContents();
        int width = 0;
        for (int column = 0; column < table->columnCount(); ++column) {
            table->setColumnWidth(column, std::max(70, table->columnWidth(column) + 4));
            width += table->columnWidth(column);
        }
        table->setFixedSize(width + 2, 20 * table->rowCount() + 2);

        g.cells = new CellEditor(table);
        table->setItemDelegate(g.cells);
        g.cells->onKeyPress = [this, number](EditBox& editor, char16_t& key) {
            Grid& target = grid(number);
            if (andalusianGrid(number).groupA)
                groupACellKeyPress(target, key);
            else
                groupBKeyPress(target, editor, key);
        };
        g.cells->onSetEditText = [this, number](int column, int row, const QString& text) {
            cellEdited(grid(number), column, row, text);
        };

        for (std::size_t k = 0; k < g.boxes.size(); ++k) {
            EditBox* box = g.boxes[k];
            if (data.groupA) {
                box->onKeyPress = [this](EditBox& sender, char16_t& key) {
                    Edit1KeyPress(sender, key);
                };
                box->onKeyDown = [this](EditBox& sender, int code) { Edit1KeyDown(sender, code); };
            } else {
                box->onKeyPress = [this, number](EditBox& sender, char16_t& key) {
                    groupBKeyPress(grid(number), sender, key);
                };
            }
            box->onChange = [this, number, k](EditBox&) { metricChanged(grid(number), int(k)); };
        }
    }

    connect(ui->PageControl1, &QTabWidget::currentChanged, this, [this](int page) {
        guarded([&] {
            // Pages 1 to 6 hold grids 6 to 11.
            if (page >= 1) TabSheetShow(page + 5);
        });
    });
    connect(ui->PageControl2, &QTabWidget::currentChanged, this, [this](int page) {
        guarded([&] {
            if (page == 1) TabSheet8Show();
        });
    });
    bindGuarded(ui->SpeedButton1, this, &TFormAndalucia::SpeedButton1Click);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

TFormAndalucia::~TFormAndalucia() = default;

void TFormAndalucia::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
    if (!event->spontaneous()) guarded([this] { FormShow(); });
}

int TFormAndalucia::selectedCell(const Grid& g) const {
    return g.table->currentRow() + 10 * g.table->currentColumn();
}

// Showing: every tab starts again from one metric unit.

void TFormAndalucia::FormShow() {
    for (int number = 1; number <= 3; ++number) {
        Grid& g = grid(number);
        g.quantity = 1.0;
        const AndalusianGrid& data = andalusianGrid(number);
        for (int p = 0; p < kProvinces; ++p)
            for (int unit = 0; unit < data.units.size(); ++unit) {
                const double value = narrow(unitsOf(number, p, unit, 1.0L));
                QString text;
                if (number == 1)
                    text = PatternText(value,
                                       p == 0 && unit == 0 ? QStringLiteral("0.00000")
                                                           : QStringLiteral("0.000000"),
                                       separator_);
                else
                    text = ResultText(value, separator_);
                g.cells->writeCell(unit + column0(data), p + 1, text);
            }
    }
    activeCell_ = 0;
}

void TFormAndalucia::showFactors(Grid& g, bool withTabDecimals) {
    const AndalusianGrid& data = andalusianGrid(g.number);
    for (int p = 0; p < kProvinces; ++p)
        for (int unit = 0; unit < data.units.size(); ++unit) {
            if (!unitDefined(g.number, p, unit)) continue;
            const double factor = unitsPerMetric(g.number, p, unit);
            const QString text =
                withTabDecimals ? roundedText(factor, shownDecimals(g.number, unit), separator_)
                                : ResultText(factor, separator_);
            g.cells->writeCell(unit + column0(data), p + 1, text);
        }
}

void TFormAndalucia::TabSheet8Show() {
    for (int number : {4, 5}) {
        Grid& g = grid(number);
        setFlag(g, true);
        g.quantity = 1.0;
        g.boxes[0]->setText(QStringLiteral("1"));
        showFactors(g, false);
    }
}

void TFormAndalucia::TabSheetShow(int number) {
    Grid& g = grid(number);
    setFlag(g, true);
    g.quantity = 1.0;
    const char* const texts[] = {"1", "100", "1000"};
    for (std::size_t k = 0; k < g.boxes.size(); ++k)
        g.boxes[k]->setText(QString::fromLatin1(texts[k]));
    if (number == 11) {
        // Agrarias is shown as a live refresh of one square metre.
        const int active = activeCell_;
        activeCell_ = 0;
        refreshCells(g);
        activeCell_ = active;
    } else {
        showFactors(g, true);
    }
}

void TFormAndalucia::SpeedButton1Click() {
    platform().messageBox(
        this, QStringLiteral("Aclaración"), MessageIcon::Information,
        QStringLiteral("Fanega - Celemín - Cuartillo:\nSon medidas de capacidad para áridos.\n"
                       "Aquí significan: espacio de tierra en que se siembra una fanega, "
                       "celemín o cuartillo de trigo.\n\nNota del autor:\nAunque resulta "
                       "evidente la inconsistencia entre la Vara, como unidad de longitud, y "
                       "la Vara² que aquí se muestra, se han respetado las equivalencias "
                       "publicadas por la fuente."));
}

// Keys.

void TFormAndalucia::Edit1KeyPress(EditBox& box, char16_t& key) {
    activeCell_ = 0;
    for (int number = 1; number <= 3; ++number)
        setFlag(grid(number), true);
    key = FilterNumericKey(key, {box.text(), box.selStart(), box.selLength()}, separator_);
}

void TFormAndalucia::Edit1KeyDown(EditBox&, int keyCode) {
    if (keyCode != kDeleteKey) return;
    activeCell_ = 0;
    for (int number = 1; number <= 3; ++number)
        setFlag(grid(number), true);
}

void TFormAndalucia::groupACellKeyPress(Grid& g, char16_t& key) {
    setFlag(g, false);
    activeCell_ = selectedCell(g);
    const QString text = g.cells->cellText(g.table->currentColumn(), g.table->currentRow());
    key = CellKeyFilter(key, text, separator_);
}

void TFormAndalucia::groupBKeyPress(Grid& g, EditBox& sender, char16_t& key) {
    setFlag(g, false);
    activeCell_ = 0;
    const bool box = std::find(g.boxes.begin(), g.boxes.end(), &sender) != g.boxes.end();
    if (box) {
        key = CellKeyFilter(key, sender.text(), separator_);
        return;
    }
    activeCell_ = selectedCell(g);
    key = CellKeyFilter(key, g.cells->cellText(g.table->currentColumn(), g.table->currentRow()),
                        separator_);
}

// A metric quantity typed (or written by a cell) into one of the grid's boxes.
void TFormAndalucia::metricChanged(Grid& g, int k) {
    const bool groupA = andalusianGrid(g.number).groupA;
    EditBox* box = g.boxes[std::size_t(k)];
    const QString text = box->text();
    if (groupA) {
        if (!g.flag) return;
    } else {
        if (g.flag) return;
        setFlag(g, true);
    }
    // A lone minus is the start of a number in every box.
    if (text.isEmpty() || text == QStringLiteral("-")) return;

    const std::optional<long double> read = readNumber(text, separator_);
    if (!read) {
        ShowInvalidNumber(*box);
        return;
    }
    if (beyondLimit(*read)) {
        if (groupA) {
            // The box's own change, still permitted, shows the grid for nothing.
            box->setText(g.number == 1 ? QStringLiteral("0.000000") : QStringLiteral("0"));
        } else {
            resetToZero(g);
        }
        return;
    }
    const double value = narrow(*read);
    g.quantity = narrow(static_cast<long double>(value) * g.toMetric[std::size_t(k)]);

    for (std::size_t j = 0; j < g.boxes.size(); ++j) {
        if (int(j) == k) continue;
        const double sibling = narrow(static_cast<long double>(g.quantity) / g.toMetric[j]);
        QString siblingText;
        if (sibling > 1000000.0)
            siblingText = PatternText(sibling, kScientific, separator_);
        else if (g.number == 6)
            siblingText = roundedText(sibling, 6, separator_);
        else
            siblingText = resultOrGeneral(sibling, separator_);
        g.boxes[j]->setText(siblingText);
    }
    if (g.number >= 8 && !box->hasInputFocus())
        box->setText(g.quantity > 1000000.0 ? PatternText(g.quantity, kScientific, separator_)
                                            : resultOrGeneral(g.quantity, separator_));
    refreshCells(g);
}

void TFormAndalucia::refreshCells(Grid& g) {
    const AndalusianGrid& data = andalusianGrid(g.number);
    for (int p = 0; p < kProvinces; ++p)
        for (int unit = 0; unit < data.units.size(); ++unit) {
            const int column = unit + column0(data);
            const int row = p + 1;
            if (row + 10 * column == activeCell_) continue;
            if (!unitDefined(g.number, p, unit)) continue;
            const double value = narrow(unitsOf(g.number, p, unit, g.quantity));
            QString text;
            if (value > scientificAbove(g.number, unit))
                text = PatternText(value, kScientific, separator_);
            else if (g.number <= 5)
                text = resultOrGeneral(value, separator_);
            else
                text = roundedText(value, liveDecimals(g.number, unit), separator_);
            g.cells->writeCell(column, row, text);
        }
}

// After a quantity out of range the grid and its boxes show nothing at all, consistently.
void TFormAndalucia::resetToZero(Grid& g) {
    const bool held = g.flag;
    setFlag(g, true);
    g.quantity = 0.0;
    for (EditBox* box : g.boxes)
        box->setText(QStringLiteral("0"));
    refreshCells(g);
    setFlag(g, held);
}

// A number typed into a cell becomes the grid's metric quantity.
void TFormAndalucia::cellEdited(Grid& g, int column, int row, const QString& text) {
    const AndalusianGrid& data = andalusianGrid(g.number);
    const int unit = column - column0(data);
    const int province = row - 1;
    if (unit < 0 || province < 0) return;
    if (text.isEmpty()) return;
    const int here = row + 10 * column;
    if (data.groupA && (text == QStringLiteral("-") || here != activeCell_)) return;

    if (!unitDefined(g.number, province, unit)) {
        if (g.number == 4) {
            platform().messageBox(this, QStringLiteral("Tahulla"), MessageIcon::Information,
                                  QStringLiteral("Esta unidad de regadío sólo se ha definido "
                                                 "para Almería."));
            g.cells->writeCell(column, row, QString());
        } else if (g.number == 8) {
            platform().messageBox(this, data.units[unit], MessageIcon::None,
                                  QStringLiteral("No se ha definido esta unidad para ") +
                                      g.cells->cellText(0, row));
            g.cells->writeCell(column, row, QString());
        }
        return;
    }
    if (!data.groupA && g.flag) return;
    if (text == QStringLiteral("-")) return;

    const std::optional<long double> read = readNumber(text, separator_);
    if (!read) {
        if (EditBox* editor = g.cells->editorAt(column, row)) ShowInvalidNumber(*editor);
        return;
    }
    const long double quantity = quantityOf(g.number, province, unit, *read);
    EditBox* first = g.boxes[0];
    if (beyondLimit(quantity)) {
        g.cells->writeCell(column, row, QStringLiteral("0"));
        if (g.number >= 9)
            platform().messageBox(this, QStringLiteral("LOh!"), MessageIcon::None,
                                  QStringLiteral("Número fuera de rango"));
        if (data.groupA) {
            setFlag(g, true);
            first->setText(g.number == 1 ? QStringLiteral("0.000000") : QStringLiteral("0"));
            g.quantity = 0.0;
            refreshCells(g);
            setFlag(g, false);
            activeCell_ = here;
        } else {
            // The cell that overflowed shows the zero too, like every other cell.
            activeCell_ = 0;
            resetToZero(g);
            if (g.number >= 9) first->setFocus();
        }
        return;
    }

    const double metric = narrow(quantity);
    const bool tiny = g.number >= 6 && metric != 0.0 && std::fabs(metric) <= 0.0001;
    const QString metricText = metric > 100000000.0 || tiny
                                   ? PatternText(metric, kFineScientific, separator_)
                                   : GeneralText(metric, separator_);
    if (data.groupA) {
        setFlag(g, true);
        first->setText(metricText);
        setFlag(g, false);
        activeCell_ = here;
    } else {
        first->setText(metricText);
        activeCell_ = 0;
    }
}

} // namespace zerval
