#include "converters/electric/cables.h"

#include "converters/electric/gaugeequivalence.h"
#include "platform/platform.h"
#include "ui_tformcables.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace zerval {

namespace {

const QColor kButtonFace(240, 240, 240);
const QColor kHighlight(219, 255, 255);
const QColor kSkyBlue(166, 202, 240);

const char* const kTagProperty = "rowTag";

void paint(QWidget* widget, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
}

} // namespace

TFormCables::TFormCables(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TFormCables>()) {
    ui->setupUi(this);
    setFixedSize(size());
    paint(this, kSkyBlue);
    setAutoFillBackground(true);

    for (int tag = 1; tag <= kLastTag; ++tag) {
        const QString name = tag <= kGaugeRows ? QStringLiteral("A%1").arg(tag)
                                               : QStringLiteral("M%1").arg(tag - kGaugeRows);
        auto* row = findChild<QFrame*>(name);
        Q_ASSERT(row);
        rows_.append(row);
        // The texts inside a row answer a click as the row does.
        row->setProperty(kTagProperty, tag);
        row->installEventFilter(this);
        for (QWidget* text : row->findChildren<QWidget*>()) {
            text->setProperty(kTagProperty, tag);
            text->installEventFilter(this);
        }
    }
    for (QFrame* row : rows_)
        paint(row, kButtonFace);
    paint(ui->Spacer, kButtonFace);
    placeAtTopOfScreen();
}

TFormCables::~TFormCables() = default;

void TFormCables::placeAtTopOfScreen() {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    move(area.left() + (area.width() - frameGeometry().width()) / 2, area.top());
}

bool TFormCables::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const QVariant tag = watched->property(kTagProperty);
        if (tag.isValid()) {
            guarded([&] { Panel5Click(tag.toInt()); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QFrame* TFormCables::rowOfTag(int tag) const {
    return rows_.value(tag - 1, nullptr);
}

void TFormCables::Panel5Click(int tag) {
    for (QFrame* row : rows_)
        paint(row, kButtonFace);
    paint(ui->Spacer, kButtonFace);
    for (int highlighted : equivalenceSet(tag))
        if (QFrame* row = rowOfTag(highlighted)) paint(row, kHighlight);
}

} // namespace zerval
