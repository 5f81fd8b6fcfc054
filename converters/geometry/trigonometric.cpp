#include "converters/geometry/trigonometric.h"

#include "converters/geometry/dial.h"
#include "converters/geometry/texttooltip.h"
#include "converters/geometry/trigangle.h"
#include "kit/checked.h"
#include "kit/entrykit.h"
#include "kit/numbersyntax.h"
#include "kit/showinvalidnumber.h"
#include "kit/textforms.h"
#include "platform/editbox.h"
#include "platform/guardedbinding.h"
#include "platform/platform.h"
#include "ui_tform_trigonometricas.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace zerval {

namespace {

constexpr int kDeleteKey = 46;
const QString kSecondsPattern = QStringLiteral("00.###");
// Dragging stops the centre this far out, so that its coordinates stay small numbers.
constexpr int kFarthestCentre = 20000;

QColor rowColour(TrigFunction function) {
    const TrigRowStyle& row = TrigRow(function);
    return QColor(row.red, row.green, row.blue);
}

// The order in which the segments are painted.
constexpr TrigFunction kPaintOrder[] = {
    TrigFunction::Sine,      TrigFunction::Cosine,     TrigFunction::Tangent,
    TrigFunction::Cotangent, TrigFunction::Secant,     TrigFunction::Cosecant,
    TrigFunction::Exsecant,  TrigFunction::Excosecant, TrigFunction::Versine,
    TrigFunction::Coversine,
};

} // namespace

TForm_Trigonometricas::TForm_Trigonometricas(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TForm_Trigonometricas>()) {
    ui->setupUi(this);
    active_ = ui->Edit1;

    valueFields_ = {ui->Edit5,  ui->Edit6,  ui->Edit7,  ui->Edit8,  ui->Edit9,
                    ui->Edit10, ui->Edit11, ui->Edit12, ui->Edit13, ui->Edit14};
    checkBoxes_ = {ui->CheckBox1, ui->CheckBox2, ui->CheckBox3, ui->CheckBox4, ui->CheckBox5,
                   ui->CheckBox6, ui->CheckBox7, ui->CheckBox8, ui->CheckBox9, ui->CheckBox10};
    QFrame* const swatches[] = {ui->Swatch1, ui->Swatch2, ui->Swatch3, ui->Swatch4, ui->Swatch5,
                                ui->Swatch6, ui->Swatch7, ui->Swatch8, ui->Swatch9, ui->Swatch10};
    // The last caption carries a sample number after its "= " that the value field has always
    // hidden: every check box ends after its "= ".
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                          style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    int captionWidth = 0;
    for (QCheckBox* box : checkBoxes_) {
        QString caption = box->text();
        caption.truncate(caption.indexOf(QStringLiteral("= ")) + 2);
        captionWidth = qMax(captionWidth, box->fontMetrics().horizontalAdvance(caption));
    }
    for (int row = 0; row < kTrigFunctionCount; ++row) {
        checkBoxes_[row]->setFixedWidth(indicator + captionWidth);
        QPalette palette = swatches[row]->palette();
        palette.setColor(QPalette::Window, rowColour(TrigFunction(row)));
        swatches[row]->setPalette(palette);
        checkBoxes_[row]->setChecked(TrigRow(TrigFunction(row)).tickedAtStart);
        connect(checkBoxes_[row], &QCheckBox::toggled, this,
                [this] { guarded([&] { DrawUnitCircle(); }); });
    }

    EditBox* const fields[] = {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4};
    for (EditBox* field : fields) {
        field->onKeyDown = [this](EditBox& box, int code) { Edit1KeyDown(box, code); };
        field->onKeyPress = [this](EditBox& box, char16_t& key) { Edit1KeyPress(box, key); };
    }
    for (EditBox* field : valueFields_) {
        field->onKeyDown = [this](EditBox& box, int code) { Edit1KeyDown(box, code); };
        field->onKeyPress = [this](EditBox& box, char16_t& key) { Edit1KeyPress(box, key); };
        field->onChange = [this](EditBox& box) { Edit4Change(box); };
    }
    ui->Edit1->onChange = [this](EditBox& box) { Edit1Change(box); };
    ui->Edit2->onChange = [this](EditBox& box) { Edit1Change(box); };
    ui->Edit3->onChange = [this](EditBox& box) { Edit1Change(box); };
    ui->Edit4->onChange = [this](EditBox& box) { Edit4Change(box); };
    for (EditBox* box : {ui->Edit1, ui->Edit2, ui->Edit3})
        ShowTextAsToolTip(*box);

    ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    connect(ui->BitBtn1, &QPushButton::pressed, this,
            [this] { guarded([&] { BitBtn1MouseDown(); }); });
    connect(ui->BitBtn1, &QPushButton::released, this,
            [this] { guarded([&] { BitBtn1MouseUp(); }); });
    animationTimer_.setInterval(20);
    connect(&animationTimer_, &QTimer::timeout, this,
            [this] { guarded([&] { animationStep(); }); });

    connect(ui->TrackBar1, &QSlider::valueChanged, this,
            [this] { guarded([&] { DrawUnitCircle(); }); });
    bindGuarded(ui->Button1, this, &TForm_Trigonometricas::Button1Click);
    // The wheel over any control but the track bar reaches the window's own wheel handler;
    // the picture's filter also drags the drawing.
    for (QWidget* child : findChildren<QWidget*>())
        if (child != ui->TrackBar1) child->installEventFilter(this);

    const QSize size = ui->Image1->minimumSize();
    picture_ = QImage(size, QImage::Format_RGB32);
    picture_.fill(Qt::white);
    centreX_ = size.width() / 2;
    centreY_ = size.height() / 2;
    ui->Edit1->setFocus();
}

TForm_Trigonometricas::~TForm_Trigonometricas() = default;

// Opened centred on the desktop, drawn for the first time when shown.
void TForm_Trigonometricas::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    guarded([&] { DrawUnitCircle(); });
}

void TForm_Trigonometricas::hideEvent(QHideEvent* event) {
    stopAnimation();
    QDialog::hideEvent(event);
}

void TForm_Trigonometricas::closeEvent(QCloseEvent* event) {
    stopAnimation();
    QDialog::closeEvent(event);
}

// The wheel anywhere in the window zooms: the track bar takes the focus and the turn.
void TForm_Trigonometricas::wheelEvent(QWheelEvent* event) {
    QSlider* zoom = ui->TrackBar1;
    zoom->setFocus(Qt::OtherFocusReason);
    const QPointF at = QPointF(zoom->rect().center());
    QWheelEvent forwarded(at, zoom->mapToGlobal(at), event->pixelDelta(), event->angleDelta(),
                          event->buttons(), event->modifiers(), event->phase(), event->inverted());
    QCoreApplication::sendEvent(zoom, &forwarded);
    event->accept();
}

bool TForm_Trigonometricas::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    if (watched == ui->Image1) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            dragOffset_ = mouse->position().toPoint() - QPoint(centreX_, centreY_);
        } else if (event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->buttons() & Qt::LeftButton) {
                const QPoint centre = mouse->position().toPoint() - dragOffset_;
                centreX_ = qBound(-kFarthestCentre, centre.x(), kFarthestCentre);
                centreY_ = qBound(-kFarthestCentre, centre.y(), kFarthestCentre);
                guarded([&] { DrawUnitCircle(); });
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm_Trigonometricas::Edit1KeyPress(EditBox& box, char16_t& key) {
    active_ = &box;
    key = FilterNumericKey(key, {box.text(), box.selStart(), box.selLength()},
                           platform().decimalSeparator());
}

void TForm_Trigonometricas::Edit1KeyDown(EditBox& box, int keyCode) {
    if (keyCode == kDeleteKey) active_ = &box;
}

bool TForm_Trigonometricas::userEdit(EditBox& box) {
    if (writing_ > 0 || !box.hasInputFocus()) return false;
    // A paste changes the text without a key press: it makes its field active all the same.
    active_ = &box;
    return true;
}

void TForm_Trigonometricas::write(EditBox* box, const QString& text) {
    ++writing_;
    try {
        box->setText(text);
    } catch (...) {
        --writing_;
        throw;
    }
    --writing_;
}

void TForm_Trigonometricas::refuse(EditBox& box, const QString& message) {
    platform().messageBox(this, QStringLiteral("Error"), MessageIcon::Information, message);
    box.selectAll();
}

SexagesimalParts TForm_Trigonometricas::currentTriple() const {
    SexagesimalParts triple;
    triple.degrees = std::fabs(degrees_);
    triple.minutes = minutes_;
    triple.seconds = seconds_;
    triple.negative = ui->Edit1->text().startsWith(QLatin1Char('-'));
    return triple;
}

// A sexagesimal field changed: the triple gives the angle.
void TForm_Trigonometricas::Edit1Change(EditBox& box) {
    if (!userEdit(box)) return;
    const QChar separator = platform().decimalSeparator();
    const QString text = box.text();
    if (ClassifyEntry(text, separator) == EntryClass::Incomplete) return;
    double& part = &box == ui->Edit1 ? degrees_ : &box == ui->Edit2 ? minutes_ : seconds_;
    try {
        if (text.isEmpty()) {
            part = 0.0;
        } else {
            bool parseError = false;
            const double value = ParseEntry(text, parseError, separator);
            if (parseError) {
                part = 0.0;
                write(&box, QString());
                return;
            }
            part = value;
        }
        angle_ = TripleRadians(degrees_, minutes_, seconds_, currentTriple().negative);
    } catch (const FloatError&) {
        // A number beyond the range of a double.
        ShowInvalidNumber(box);
        return;
    }
    if (active_ != ui->Edit4) write(ui->Edit4, GeneralText(angle_, separator));
    DrawUnitCircle();
}

// The radians or a function's value changed: the angle follows, through the inverse
// function, and the triple is written from it. The values are then those of the angle as
// the triple holds it, to the hundredth of a second.
void TForm_Trigonometricas::Edit4Change(EditBox& box) {
    if (!userEdit(box)) return;
    const QChar separator = platform().decimalSeparator();
    const QString text = box.text();
    if (ClassifyEntry(text, separator) == EntryClass::Incomplete) return;
    if (text.isEmpty()) {
        angle_ = 0.0;
        return;
    }
    std::optional<long double> typed;
    try {
        typed = readNumber(text, separator);
    } catch (const std::exception&) {
        typed.reset();
    }
    if (!typed || std::fabs(*typed) > DBL_MAX) {
        ShowInvalidNumber(box);
        return;
    }
    const double value = static_cast<double>(*typed);

    double angle = value;
    if (&box != ui->Edit4) {
        const auto row = std::find(valueFields_.begin(), valueFields_.end(), &box);
        const InverseOutcome outcome =
            AngleFromFunctionValue(TrigFunction(row - valueFields_.begin()), value);
        if (outcome.kind == InverseOutcome::Kind::Unchanged) return;
        if (outcome.kind == InverseOutcome::Kind::Refused) {
            refuse(box, outcome.message);
            return;
        }
        angle = outcome.angle;
    }

    SexagesimalParts triple;
    try {
        triple = SplitRadians(angle);
    } catch (const FloatError&) {
        // Radians beyond about 3e306 have more degrees than a double holds.
        refuse(box, QStringLiteral("Este número excede la capacidad de cálculo,\nlo lamento..."));
        return;
    }
    AngleToSexagesimal(triple);
    angle_ = TripleRadians(degrees_, minutes_, seconds_, triple.negative);
    if (active_ != ui->Edit4) write(ui->Edit4, GeneralText(angle_, separator));
    DrawUnitCircle();
}

void TForm_Trigonometricas::AngleToSexagesimal(const SexagesimalParts& triple) {
    const QChar separator = platform().decimalSeparator();
    degrees_ = triple.negative ? -triple.degrees : triple.degrees;
    minutes_ = triple.minutes;
    seconds_ = triple.seconds;
    if (active_ != ui->Edit1) write(ui->Edit1, WholeDegreesText(triple, separator));
    if (active_ != ui->Edit2) write(ui->Edit2, MinutesText(triple.minutes, separator));
    if (active_ != ui->Edit3)
        write(ui->Edit3, SecondsText(triple.seconds, kSecondsPattern, separator));
}

// Held down, the button turns the angle a degree every 20 ms; the first degree comes with
// the press itself.
void TForm_Trigonometricas::BitBtn1MouseDown() {
    animating_ = true;
    active_ = ui->Edit4;
    animationStep();
    if (animating_) animationTimer_.start();
}

void TForm_Trigonometricas::BitBtn1MouseUp() {
    stopAnimation();
    ui->BitBtn1->update();
}

void TForm_Trigonometricas::stopAnimation() {
    animating_ = false;
    animationTimer_.stop();
}

void TForm_Trigonometricas::animationStep() {
    if (!animating_) return;
    try {
        const SexagesimalParts next = StepOneDegree(currentTriple());
        AngleToSexagesimal(next);
        angle_ = TripleRadians(degrees_, minutes_, seconds_, next.negative);
    } catch (const FloatError&) {
        stopAnimation();
        return;
    }
    write(ui->Edit4, GeneralText(angle_, platform().decimalSeparator()));
    DrawUnitCircle();
}

void TForm_Trigonometricas::Button1Click() {
    const QString file =
        platform().savePictureFile(this, QStringLiteral("circulo_trigonometrico.png"));
    if (file.isEmpty()) return;
    const QByteArray format =
        QFileInfo(file).suffix().compare(QStringLiteral("bmp"), Qt::CaseInsensitive) == 0
            ? QByteArrayLiteral("BMP")
            : QByteArrayLiteral("PNG");
    QImageWriter writer(file, format);
    if (!writer.write(picture_))
        platform().messageBox(this, QStringLiteral("Error"), MessageIcon::Information,
                              QStringLiteral("No se pudo guardar la imagen en\n") + file);
}

void TForm_Trigonometricas::DrawUnitCircle() {
    angle_ = ReduceToTurn(angle_);
    const int radius = CircleRadius(ui->TrackBar1->value());
    const UnitCircleFigure figure = UnitCircle(angle_, centreX_, centreY_, radius);
    paintFigure(figure, radius);

    const QChar separator = platform().decimalSeparator();
    for (int row = 0; row < kTrigFunctionCount; ++row) {
        EditBox* field = valueFields_[row];
        if (field == active_) continue;
        const bool shown = checkBoxes_[row]->isChecked() && figure.defined[row];
        write(field, shown ? TrigValueText(figure.values[row], separator) : NoTrigValueText());
    }
}

void TForm_Trigonometricas::paintFigure(const UnitCircleFigure& figure, int radius) {
    picture_.fill(Qt::white);
    QPainter painter(&picture_);
    const int width = picture_.width();
    const int height = picture_.height();
    const double cx = centreX_;
    const double cy = centreY_;

    // Long segments (a tangent near a right angle is 10^16 pixels long) are cut at a margin
    // around the picture before they reach the painter.
    const double margin = 16.0;
    auto line = [&](const CircleSegment& segment) {
        if (const auto clipped =
                ClipSegment(segment, -margin, -margin, width + margin, height + margin))
            painter.drawLine(
                QLineF(clipped->from.x, clipped->from.y, clipped->to.x, clipped->to.y));
    };

    pen_ = QPen(QColor(40, 0, 40), 2, Qt::SolidLine);
    painter.setPen(pen_);
    painter.drawEllipse(QPointF(cx, cy), radius, radius);

    pen_ = QPen(QColor(30, 30, 30), 1, Qt::DashDotDotLine);
    painter.setPen(pen_);
    line({{cx, 0}, {cx, double(height)}});
    line({{0, cy}, {double(width), cy}});

    pen_ = QPen(QColor(180, 180, 180), 1, Qt::SolidLine);
    painter.setPen(pen_);
    line(figure.ray);

    for (const TrigFunction function : kPaintOrder) {
        const int row = int(function);
        if (!checkBoxes_[row]->isChecked() || !figure.defined[row]) continue;
        const bool fromCentre =
            function == TrigFunction::Secant || function == TrigFunction::Cosecant;
        if (fromCentre && figure.quadrant == 0) {
            pen_ = QPen(Qt::white, TrigRow(function).penWidth, Qt::SolidLine);
            painter.setPen(pen_);
            line(figure.segments[row]);
        }
        pen_ = QPen(rowColour(function), TrigRow(function).penWidth, Qt::SolidLine);
        painter.setPen(pen_);
        line(figure.segments[row]);
    }
    painter.end();
    ui->Image1->setPixmap(QPixmap::fromImage(picture_));
}

} // namespace zerval
