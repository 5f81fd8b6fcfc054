#include "app/windowcatalog.h"

#include "app/about.h"
#include "converters/currency/currencybrowser.h"
#include "converters/electric/cables.h"
#include "converters/electric/conductorsection.h"
#include "converters/electric/resistors.h"
#include "converters/geometry/angles.h"
#include "converters/geometry/coordinates.h"
#include "converters/geometry/trigonometric.h"
#include "converters/health/bodymass.h"
#include "converters/health/clinic.h"
#include "converters/health/thermal.h"
#include "converters/historic/andalusia.h"
#include "converters/historic/valencia.h"
#include "converters/lengths/feetinches.h"
#include "converters/lengths/inchfraction.h"
#include "converters/lengths/shoesizes.h"
#include "converters/numeration/numberbase.h"
#include "converters/numeration/prefixes.h"
#include "converters/numeration/roman.h"
#include "converters/numeration/words.h"
#include "converters/physical/data.h"
#include "converters/physical/density.h"
#include "converters/physical/energy.h"
#include "converters/physical/filtration.h"
#include "converters/physical/flowrate.h"
#include "converters/physical/force.h"
#include "converters/physical/illumination.h"
#include "converters/physical/length.h"
#include "converters/physical/mass.h"
#include "converters/physical/power.h"
#include "converters/physical/pressure.h"
#include "converters/physical/surface.h"
#include "converters/physical/temperature.h"
#include "converters/physical/timeunits.h"
#include "converters/physical/torque.h"
#include "converters/physical/typographic.h"
#include "converters/physical/velocity.h"
#include "converters/physical/volume.h"
#include "converters/steel/bars.h"
#include "converters/steel/meshes.h"

#include <QDialog>

#include <map>

namespace zerval {

namespace {

using Factory = std::function<QDialog*(QWidget*)>;

template <typename Window> Factory make() {
    return [](QWidget* owner) -> QDialog* { return new Window(owner); };
}

// One line per window.
const std::map<QString, Factory>& catalog() {
    static const std::map<QString, Factory> windows = {
        {QStringLiteral("TFormAngulo"), make<TFormAngulo>()},
        {QStringLiteral("TCoordenadas"), make<TCoordenadas>()},
        {QStringLiteral("TForm_Trigonometricas"), make<TForm_Trigonometricas>()},
        {QStringLiteral("TFormVel"), make<TFormVel>()},
        {QStringLiteral("TForm3"), make<TForm3>()},
        {QStringLiteral("TFormTemp"), make<TFormTemp>()},
        {QStringLiteral("TFormMasa"), make<TFormMasa>()},
        {QStringLiteral("TFormVol"), make<TFormVol>()},
        {QStringLiteral("TFormPresion"), make<TFormPresion>()},
        {QStringLiteral("TFormEnergia"), make<TFormEnergia>()},
        {QStringLiteral("TFormTiempo"), make<TFormTiempo>()},
        {QStringLiteral("TFormDatos"), make<TFormDatos>()},
        {QStringLiteral("TFormGraf"), make<TFormGraf>()},
        {QStringLiteral("TFIlum"), make<TFIlum>()},
        {QStringLiteral("TFormSup"), make<TFormSup>()},
        {QStringLiteral("TFormDensidad"), make<TFormDensidad>()},
        {QStringLiteral("TFormPeso"), make<TFormPeso>()},
        {QStringLiteral("TFormTorque"), make<TFormTorque>()},
        {QStringLiteral("TFormBase"), make<TFormBase>()},
        {QStringLiteral("TFormRomanos"), make<TFormRomanos>()},
        {QStringLiteral("TFormLetras"), make<TFormLetras>()},
        {QStringLiteral("TFormClinic"), make<TFormClinic>()},
        {QStringLiteral("TForm_BMI"), make<TForm_BMI>()},
        {QStringLiteral("TForm4"), make<TForm4>()},
        {QStringLiteral("TForm1"), make<TForm1>()},
        {QStringLiteral("TFormPie"), make<TFormPie>()},
        {QStringLiteral("TFZapatos"), make<TFZapatos>()},
        {QStringLiteral("TForm_resistencias"), make<TForm_resistencias>()},
        {QStringLiteral("TFormCables"), make<TFormCables>()},
        {QStringLiteral("TFormSeeccCables"), make<TFormSeeccCables>()},
        {QStringLiteral("TFormPrefijos"), make<TFormPrefijos>()},
        {QStringLiteral("TFormPotencia"), make<TFormPotencia>()},
        {QStringLiteral("TFormCaudal"), make<TFormCaudal>()},
        {QStringLiteral("TForm_filtrado"), make<TForm_filtrado>()},
        {QStringLiteral("TFormHierros"), make<TFormHierros>()},
        {QStringLiteral("TFormMallas"), make<TFormMallas>()},
        {QStringLiteral("TFormAndalucia"), make<TFormAndalucia>()},
        {QStringLiteral("TFormValencia"), make<TFormValencia>()},
        {QStringLiteral("TFormBrowser"), make<TFormBrowser>()},
        {QStringLiteral("TFormAbout"), make<TFormAbout>()},
    };
    return windows;
}

} // namespace

QDialog* createWindow(const QString& className, QWidget* owner) {
    const auto found = catalog().find(className);
    return found == catalog().end() ? nullptr : found->second(owner);
}

bool isWindowBuilt(const QString& className) {
    return catalog().count(className) != 0;
}

QStringList builtWindows() {
    QStringList names;
    for (const auto& [name, factory] : catalog())
        names.append(name);
    return names;
}

} // namespace zerval
