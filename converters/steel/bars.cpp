#include "converters/steel/bars.h"

#include "converters/steel/barcell.h"
#include "converters/steel/bartable.h"
#include "platform/platform.h"
#include "ui_tformhierros.h"

#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

namespace zerval {

namespace {

constexpr int kFirstHeader = 6;
constexpr int kFirstBody = 16;
constexpr int kColumns = 12;
constexpr int kHeaderRows = 2;

} // namespace

TFormHierros::TFormHierros(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TFormHierros>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    separator_ = platform().decimalSeparator();

    for (int bars = 1; bars <= 10; ++bars)
        addCell(QString::number(bars), kFirstHeader + bars - 1, 1, bars + 1);
    int number = kFirstBody;
    for (int row = 0; row < kBarCount; ++row) {
        const BarRow& bar = barTable()[std::size_t(row)];
        const int gridRow = kHeaderRows + row;
        addCell(QString::fromLatin1(bar.diameter), number++, gridRow, 0);
        addCell(QString::fromLatin1(bar.weight), number++, gridRow, 1);
        for (int bars = 0; bars < 10; ++bars)
            addCell(QString::fromLatin1(bar.sections[bars]), number++, gridRow, bars + 2);
    }

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* copy = PopupMenu1->addAction(QStringLiteral("Copiar"));
    copy->setObjectName(QStringLiteral("Copiar1"));
    connect(copy, &QAction::triggered, this, [this] {
        // However it is chosen, the menu is gone once its item has run.
        PopupMenu1->hide();
        guarded([this] { Copiar1Click(); });
    });
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

TFormHierros::~TFormHierros() = default;

void TFormHierros::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

bool TFormHierros::focusNextPrevChild(bool next) {
    const bool moved = QDialog::focusNextPrevChild(next);
    if (auto* cell = qobject_cast<BarCell*>(focusWidget()); moved && cell)
        guarded([&] { Panel6Click(*cell); });
    return moved;
}

BarCell* TFormHierros::addCell(const QString& text, int number, int row, int column) {
    auto* cell = new BarCell(text, ui->Bevel1);
    cell->setObjectName(QStringLiteral("Panel%1").arg(number));
    cell->onClick = [this](BarCell& clicked) { Panel6Click(clicked); };
    cell->onContextPopup = [this](BarCell& clicked, QPoint global) {
        Panel6ContextPopup(clicked, global);
    };
    ui->CellGrid->addWidget(cell, row, column);
    // Tab follows the reading order in which the cells are made.
    if (number > kFirstHeader) {
        const QString before = QStringLiteral("Panel%1").arg(number - 1);
        if (auto* previous = ui->Bevel1->findChild<BarCell*>(before)) setTabOrder(previous, cell);
    }
    return cell;
}

void TFormHierros::Panel6Click(BarCell& cell) {
    current_ = &cell;
    if (!cell.highlighted()) {
        cell.setFocus();
        cell.setHighlighted(true);
        if (previous_ && previous_ != &cell) previous_->setHighlighted(false);
    } else {
        // A second click takes the highlight away; the cell stays the one the menu copies.
        cell.setHighlighted(false);
    }
    previous_ = &cell;
}

void TFormHierros::Panel6ContextPopup(BarCell& cell, QPoint global) {
    current_ = &cell;
    if (!cell.highlighted()) Panel6Click(cell);
    PopupMenu1->popup(global);
}

void TFormHierros::Copiar1Click() {
    if (!current_) return;
    QString text = current_->text();
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma >= 0) text[comma] = separator_;
    platform().setClipboardText(text);
}

} // namespace zerval
