#include "converters/geometry/coordinates.h"

#include "converters/geometry/maplink.h"
#include "converters/geometry/sexagesimal.h"
#include "converters/geometry/texttooltip.h"
#include "converters/geometry/utm.h"
#include "kit/entrykit.h"
#include "kit/textforms.h"
#include "platform/editbox.h"
#include "platform/guardedbinding.h"
#include "platform/platform.h"
#include "ui_tcoordenadas.h"

#include <QButtonGroup>
#include <QSignalBlocker>

namespace zerval {

namespace {

const QString kLatitudeRange = QStringLiteral(
    "Este cálculo de coordenadas UTM es válido para latitudes en el intervalo [-80; 84]");
const QString kLongitudeRange = QStringLiteral("El cálculo de las coordenadas UTM es válido "
                                               "para longitudes en el intervalo [-180; 180.0)");

QString rangeMessage(UtmRangeProblem problem) {
    switch (problem) {
    case UtmRangeProblem::Zone:
        return QStringLiteral("El Huso debe estar comprendido en el intervalo [1; 60]");
    case UtmRangeProblem::SouthEasting:
        return QStringLiteral(
            "Para el hemisferio Sur, el valor de X debe estar en [0; 1000000] metros");
    case UtmRangeProblem::SouthNorthing:
        return QStringLiteral(
            "Para el hemisferio Sur, el valor de Y debe estar en [900000; 19600000] metros");
    case UtmRangeProblem::NorthEasting:
        return QStringLiteral(
            "Para el hemisferio Norte, el valor de X debe estar en [0; 1000000] metros");
    case UtmRangeProblem::NorthNorthing:
        return QStringLiteral(
            "Para el hemisferio Norte, el valor de Y debe estar en [-9100000; 9600000] metros");
    case UtmRangeProblem::None:
        break;
    }
    return QString();
}

} // namespace

TCoordenadas::TCoordenadas(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TCoordenadas>()) {
    ui->setupUi(this);

    EditBox* const fields[] = {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4,  ui->Edit5, ui->Edit6,
                               ui->Edit7, ui->Edit8, ui->Edit9, ui->Edit10, ui->Edit12};
    for (EditBox* field : fields)
        field->onKeyPress = [this](EditBox& box, char16_t& key) { Edit1KeyPress(box, key); };
    for (EditBox* field : {ui->Edit1, ui->Edit3, ui->Edit4, ui->Edit5})
        field->onChange = [this](EditBox& box) { Edit1Change(box); };
    for (EditBox* field : {ui->Edit2, ui->Edit6, ui->Edit7, ui->Edit8})
        field->onChange = [this](EditBox& box) { Edit8Change(box); };
    for (EditBox* field : {ui->Edit9, ui->Edit10, ui->Edit12})
        field->onChange = [this](EditBox& box) { Edit9Change(box); };
    for (EditBox* box : {ui->Edit3, ui->Edit4, ui->Edit5, ui->Edit6, ui->Edit7, ui->Edit8})
        ShowTextAsToolTip(*box);

    hemisphere_ = new QButtonGroup(this);
    hemisphere_->addButton(ui->RadioButtonNorte, 0);
    hemisphere_->addButton(ui->RadioButtonSur, 1);
    connect(hemisphere_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) guarded([this] { RadioGroup1Click(); });
    });

    bindGuarded(ui->Label18, this, &TCoordenadas::Label18Click);
}

TCoordenadas::~TCoordenadas() = default;

void TCoordenadas::Edit1KeyPress(EditBox& box, char16_t& key) {
    active_ = &box;
    key = FilterNumericKey(key, {box.text(), box.selStart(), box.selLength()},
                           platform().decimalSeparator());
}

bool TCoordenadas::southSelected() const {
    return ui->RadioButtonSur->isChecked();
}

void TCoordenadas::showStatus(const QString& text) {
    if (text.isEmpty())
        ui->StatusBar1->clearMessage();
    else
        ui->StatusBar1->showMessage(text);
}

void TCoordenadas::SplitSexagesimal(double value, EditBox* degrees, EditBox* minutes,
                                    EditBox* seconds, const QString& secondsPattern) {
    const QChar separator = platform().decimalSeparator();
    const SexagesimalParts parts = zerval::SplitSexagesimal(value);
    degrees->setText(WholeDegreesText(parts, separator));
    minutes->setText(MinutesText(parts.minutes, separator));
    seconds->setText(SecondsText(parts.seconds, secondsPattern, separator));
}

void TCoordenadas::Edit1Change(EditBox& changed) {
    if (active_ != ui->Edit1 && active_ != ui->Edit3 && active_ != ui->Edit4 &&
        active_ != ui->Edit5)
        return;
    const QChar separator = platform().decimalSeparator();
    if (ClassifyEntry(changed.text(), separator) != EntryClass::Convertible) return;
    parseError_ = false;
    showStatus(QString());
    if (active_ == ui->Edit1) {
        const double latitude = ParseEntry(ui->Edit1->text(), parseError_, separator);
        if (parseError_) return;
        latitude_ = latitude;
        active_ = nullptr;
        SplitSexagesimal(latitude_, ui->Edit3, ui->Edit4, ui->Edit5, QStringLiteral("00.####"));
    } else {
        const double degrees = ParseEntry(ui->Edit3->text(), parseError_, separator);
        if (parseError_) return;
        const double minutes = ParseEntry(ui->Edit4->text(), parseError_, separator);
        if (parseError_) return;
        const double seconds = ParseEntry(ui->Edit5->text(), parseError_, separator);
        const bool negative = ui->Edit3->text().startsWith(QLatin1Char('-'));
        const double latitude = JoinSexagesimal(degrees, minutes, seconds, negative);
        active_ = nullptr;
        ui->Edit1->setText(GeneralText(latitude, separator));
        latitude_ = ParseEntry(ui->Edit1->text(), parseError_, separator);
    }
    if (parseError_) return;
    RefreshUtmIfInRange();
}

void TCoordenadas::Edit8Change(EditBox& changed) {
    if (active_ != ui->Edit2 && active_ != ui->Edit6 && active_ != ui->Edit7 &&
        active_ != ui->Edit8)
        return;
    const QChar separator = platform().decimalSeparator();
    if (ClassifyEntry(changed.text(), separator) != EntryClass::Convertible) return;
    if (active_->text().isEmpty()) return;
    parseError_ = false;
    showStatus(QString());
    if (active_ == ui->Edit2) {
        const double longitude = ParseEntry(ui->Edit2->text(), parseError_, separator);
        if (parseError_) {
            showStatus(QStringLiteral("Número inválido"));
            return;
        }
        longitude_ = longitude;
        active_ = nullptr;
        SplitSexagesimal(longitude_, ui->Edit6, ui->Edit7, ui->Edit8, QStringLiteral("00.####"));
    } else {
        const double degrees = ParseEntry(ui->Edit6->text(), parseError_, separator);
        if (parseError_) return;
        const double minutes = ParseEntry(ui->Edit7->text(), parseError_, separator);
        if (parseError_) return;
        const double seconds = ParseEntry(ui->Edit8->text(), parseError_, separator);
        const bool negative = ui->Edit6->text().startsWith(QLatin1Char('-'));
        const double longitude = JoinSexagesimal(degrees, minutes, seconds, negative);
        active_ = nullptr;
        ui->Edit2->setText(GeneralText(longitude, separator));
        longitude_ = ParseEntry(ui->Edit2->text(), parseError_, separator);
    }
    if (parseError_) return;
    RefreshUtmIfInRange();
}

void TCoordenadas::RefreshUtmIfInRange() {
    // A coordinate out of range is kept and shown, but never projected: its range message
    // stays until it is mended, whichever coordinate is typed next.
    if (!LatitudeInUtmRange(latitude_)) {
        showStatus(kLatitudeRange);
        return;
    }
    if (!LongitudeInUtmRange(longitude_)) {
        showStatus(kLongitudeRange);
        return;
    }
    RefreshUtm();
}

void TCoordenadas::RefreshUtm() {
    const QChar separator = platform().decimalSeparator();
    const UtmPosition utm = GeographicToUtm(latitude_, longitude_);
    easting_ = utm.easting;
    northing_ = utm.northing;
    ui->Edit12->setText(GeneralText(easting_, separator));
    ui->Edit10->setText(GeneralText(northing_, separator));
    ui->Edit9->setText(GeneralText(utm.zone, separator));
    if (utm.south != southSelected()) {
        // The UTM fields were just computed for the new hemisphere, so they are not read
        // back: that would rewrite the coordinate being typed (a "-0" would lose its sign).
        const QSignalBlocker quiet(hemisphere_);
        if (utm.south)
            ui->RadioButtonSur->setChecked(true);
        else
            ui->RadioButtonNorte->setChecked(true);
        active_ = ui->Edit9;
    }
}

void TCoordenadas::RadioGroup1Click() {
    active_ = ui->Edit9;
    Edit9Change(*ui->Edit9);
}

void TCoordenadas::Edit9Change(EditBox& changed) {
    if (active_ != ui->Edit9 && active_ != ui->Edit10 && active_ != ui->Edit12) return;
    const QChar separator = platform().decimalSeparator();
    if (ClassifyEntry(changed.text(), separator) != EntryClass::Convertible) return;
    if (active_->text().isEmpty()) return;
    parseError_ = false;
    showStatus(QString());
    const double easting = ParseEntry(ui->Edit12->text(), parseError_, separator);
    if (parseError_) return;
    const double northing = ParseEntry(ui->Edit10->text(), parseError_, separator);
    if (parseError_) return;
    const double zone = ParseEntry(ui->Edit9->text(), parseError_, separator);
    if (parseError_) return;
    const bool south = southSelected();
    const UtmRangeProblem problem = CheckUtmRange(zone, south, easting, northing);
    if (problem != UtmRangeProblem::None) {
        showStatus(rangeMessage(problem));
        return;
    }
    easting_ = easting;
    northing_ = northing;
    const Geographic position = UtmToGeographic(UtmZoneOf(zone), south, easting, northing);
    latitude_ = position.latitude;
    ui->Edit1->setText(PatternText(latitude_, QStringLiteral("0.#######"), separator));
    SplitSexagesimal(latitude_, ui->Edit3, ui->Edit4, ui->Edit5, QStringLiteral("00.###"));
    longitude_ = position.longitude;
    ui->Edit2->setText(PatternText(longitude_, QStringLiteral("0.#######"), separator));
    SplitSexagesimal(longitude_, ui->Edit6, ui->Edit7, ui->Edit8, QStringLiteral("00.###"));
}

void TCoordenadas::Label18Click() {
    platform().openExternal(MapLinkAddress(latitude_, longitude_));
}

} // namespace zerval
