#include "converters/numeration/words.h"

#include "converters/numeration/spanishwords.h"
#include "platform/guardedbinding.h"
#include "platform/platform.h"
#include "ui_tformletras.h"

#include <QPainter>

#include <algorithm>

namespace zerval {

namespace {

// The page on numbers in other languages, and the short form its link shows as hint.
const QString kOtherLanguagesAddress = QStringLiteral("https://www.omniglot.com/language/numbers/");
const QString kOtherLanguagesHint = QStringLiteral("omniglot.com/language/numbers");

bool isDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Two overlapping sheets, the usual sign for copying.
QIcon copyGlyph() {
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(0, 0, 128), 1.2));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(2.5, 2.5, 10, 12));
    painter.drawRect(QRectF(7.5, 5.5, 10, 12));
    for (int y = 9; y <= 14; y += 2)
        painter.drawLine(QPointF(10, y), QPointF(15, y));
    return QIcon(picture);
}

} // namespace

TFormLetras::TFormLetras(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TFormLetras>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    ui->SpeedButton1->setIcon(copyGlyph());
    ui->Label3->setToolTip(kOtherLanguagesHint);

    ui->Edit1->onKeyPress = [this](EditBox&, char16_t& key) { Edit1KeyPress(key); };
    ui->Edit1->onChange = [this](EditBox&) { Edit1Change(); };
    bindGuarded(ui->SpeedButton1, this, &TFormLetras::SpeedButton1Click);
    bindGuarded(ui->Label3, this, &TFormLetras::Label3Click);
}

TFormLetras::~TFormLetras() = default;

void TFormLetras::Edit1KeyPress(char16_t& key) {
    // Escape goes on to the window, which it closes from any control.
    if (!(key >= u'0' && key <= u'9') && key != 8 && key != 27) key = 0;
}

void TFormLetras::Edit1Change() {
    const QString text = ui->Edit1->text();
    // Typing is filtered; a paste is not, and one that is not all digits is refused whole
    // rather than spelled as a number it is not.
    if (!isDigits(text)) {
        platform().beep();
        ui->Edit1->setText(digits_);
        return;
    }
    digits_ = text;
    ui->Memo1->setPlainText(WordsForDigits(text));
}

void TFormLetras::SpeedButton1Click() {
    ui->Memo1->selectAll();
    platform().setClipboardText(ui->Memo1->toPlainText());
}

void TFormLetras::Label3Click() {
    platform().openExternal(kOtherLanguagesAddress);
}

} // namespace zerval
