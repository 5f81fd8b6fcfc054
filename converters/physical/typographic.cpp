#include "converters/physical/typographic.h"

#include "kit/textforms.h"
#include "platform/editbox.h"

#include "ui_tformgraf.h"

#include <QEvent>
#include <QScopedValueRollback>

#include <cmath>
#include <stdexcept>

namespace zerval {

namespace {

constexpr int kTwip = 1;
constexpr int kPixel = 7;
constexpr int kDeleteKey = 46;
constexpr char16_t kBackspace = 8;

QString threeDecimalForm(double value, QChar separator) {
    return RoundedText(value, 3, separator);
}
QString wholeForm(double value, QChar separator) {
    return RoundedText(value, 0, separator);
}

LinkedFieldLayout typographicLayout() {
    LinkedFieldLayout layout;
    layout.hub = kTwip;
    layout.activation = KeyActivation::DeleteOnly;
    layout.reading = ReadMode::RaisingKeep;
    layout.separatorAtOpening = true;
    layout.wholeSpreads = true;
    const TextForm r3 = threeDecimalForm;
    const TextForm r0 = wholeForm;
    layout.fields = {
        {2, kTwip, times({0.05L}), r3, times({20}), r0},                           // punto
        {3, kTwip, times({per(120)}), r3, times({120}), r0},                       // carácter
        {4, kTwip, times({per(1440), 25.4L}), r3, times({1440 * per(25.4L)}), r0}, // mm
        {5, kTwip, times({per(1440), 2.54L}), r3, times({1440 * per(2.54L)}), r0}, // cm
        {6, kTwip, times({per(1440)}), r3, times({1440}), r0},                     // pulgada
        {kPixel, kTwip, times({per(15)}), r0, times({15}), r0},                    // pixel
    };
    return layout;
}

// A text that the number syntax does not read, typed or pasted past the key filter. The
// report carries it as a C string, which a NUL character would cut: it is quoted as the
// visible symbol for NUL instead.
class NotANumber : public std::runtime_error {
public:
    explicit NotANumber(const QString& text)
        : std::runtime_error((QLatin1Char('"') + text.left(100).replace(QChar(0), QChar(0x2400)) +
                              QStringLiteral("\" no es un número válido."))
                                 .toStdString()) {}
};

// Pixels shown for a slider at `position` of `maximum`: the bar's share of 100 points at
// 96 pixels to the inch, truncated.
int sliderPixels(int position, int maximum) {
    if (maximum <= 0) return 0;
    const long double pixels =
        static_cast<long double>(position) / maximum * 100 * 96 * (1.0L / 72);
    return static_cast<int>(std::trunc(pixels));
}

} // namespace

TFormGraf::TFormGraf(QWidget* owner)
    : LinkedFieldWindow(owner, typographicLayout())
    , ui(std::make_unique<Ui::TFormGraf>())
    , separatorAtOpening(separator()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
    for (int number = kTwip; number <= kPixel; ++number) {
        EditBox* box = field(number);
        box->onKeyPress = [this](EditBox& edit, char16_t& key) { Edit1KeyPress(edit, key); };
        box->onKeyDown = [this](EditBox& edit, int keyCode) { Edit1KeyDown(edit, keyCode); };
        box->installEventFilter(this);
    }
    ui->TrackBar1->installEventFilter(this);
    ui->TrackBar1->setMaximum(ui->Panel1->width());
    connect(ui->TrackBar1, &QSlider::valueChanged, this,
            [this](int position) { guarded([&] { TrackBar1Change(position); }); });
}

TFormGraf::~TFormGraf() = default;

bool TFormGraf::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == ui->TrackBar1) {
            setActiveField(kPixel); // TrackBar1Enter
        } else if (auto* box = qobject_cast<EditBox*>(watched)) {
            guarded([&] { fieldEntered(fieldNumber(*box)); });
        }
    }
    return LinkedFieldWindow::eventFilter(watched, event);
}

void TFormGraf::fieldEntered(int number) {
    setActiveField(number);
    if (number == kPixel) resetSlider();
}

void TFormGraf::resetSlider() {
    const QScopedValueRollback<bool> byProgram(sliderMovedByUser_, false);
    ui->TrackBar1->setValue(0);
}

void TFormGraf::Edit1KeyPress(EditBox&, char16_t& key) {
    setLocked(kTwip, false);
    resetSlider();
    EditBox* active = field(activeField());
    const QString text = active->text();
    if (key == u'.' || key == u',') {
        key = text.contains(separatorAtOpening) ? 0 : separatorAtOpening.unicode();
    } else if (key == u'-') {
        if (text.isEmpty()) return;
        if (text.startsWith(QLatin1Char('-')) || text.startsWith(separatorAtOpening)) {
            key = 0;
            return;
        }
        // A sign typed into a number starts a new one.
        active->setText(QString());
    } else if (!((key >= u'0' && key <= u'9') || key == kBackspace)) {
        key = 0;
    }
}

void TFormGraf::Edit1KeyDown(EditBox& box, int keyCode) {
    if (keyCode != kDeleteKey) return;
    setLocked(kTwip, false);
    resetSlider();
    setActiveField(fieldNumber(box));
}

// A text that does not convert, or a value too large for the rounded texts, goes to the
// top-level report and leaves every field as it was: this window has no clear-all.
void TFormGraf::answerError(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const UnreadableNumber&) {
        platform().reportError(std::make_exception_ptr(NotANumber(field(inputField())->text())));
    } catch (...) {
        platform().reportError(error);
    }
}

void TFormGraf::TrackBar1Change(int position) {
    setLocked(kTwip, false);
    ui->Panel1->resize(position, ui->Panel1->height());
    ui->Panel1->setVisible(true);
    if (!sliderMovedByUser_) return;
    // Moving the slider is typing into the pixel field, whether or not it took the focus.
    setActiveField(kPixel);
    EditBox* pixels = field(kPixel);
    const int pixelCount = sliderPixels(position, ui->TrackBar1->maximum());
    // The pixel field's change takes the slider's value, whether or not it has the focus.
    value(kPixel) = pixelCount;
    const QString text = QString::number(pixelCount);
    if (pixels->text() == text)
        fieldChanged(kPixel);
    else
        pixels->setText(text);
}

} // namespace zerval
