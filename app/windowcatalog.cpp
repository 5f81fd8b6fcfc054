#include "app/windowcatalog.h"

#include "app/about.h"
#include "converters/currency/currencybrowser.h"
#include "converters/geometry/angles.h"
#include "converters/geometry/coordinates.h"
#include "converters/numeration/numberbase.h"
#include "converters/numeration/roman.h"
#include "converters/numeration/words.h"
#include "converters/physical/length.h"
#include "converters/physical/energy.h"
#include "converters/physical/mass.h"
#include "converters/physical/pressure.h"
#include "converters/physical/timeunits.h"
#include "converters/physical/temperature.h"
#include "converters/physical/volume.h"
#include "kit/velocity.h"

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
        {QStringLiteral("TFormVel"), make<TFormVel>()},
        {QStringLiteral("TForm3"), make<TForm3>()},
        {QStringLiteral("TFormTemp"), make<TFormTemp>()},
        {QStringLiteral("TFormMasa"), make<TFormMasa>()},
        {QStringLiteral("TFormVol"), make<TFormVol>()},
        {QStringLiteral("TFormPresion"), make<TFormPresion>()},
        {QStringLiteral("TFormEnergia"), make<TFormEnergia>()},
        {QStringLiteral("TFormTiempo"), make<TFormTiempo>()},
        {QStringLiteral("TFormBase"), make<TFormBase>()},
        {QStringLiteral("TFormRomanos"), make<TFormRomanos>()},
        {QStringLiteral("TFormLetras"), make<TFormLetras>()},
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

} // namespace zerval
