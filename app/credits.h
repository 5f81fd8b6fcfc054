#pragma once

#include <QString>

namespace zerval {

// The people and addresses named in the help pages and the about box.
inline QString authorName() {
    return QStringLiteral("Equipo zerval");
}
inline QString authorMail() {
    return QStringLiteral("zerval@example.org");
}
inline QString copyrightNotice() {
    return QStringLiteral("Copyright © 2002-2026 Equipo zerval");
}
inline QString andalusianMeasuresCompiler() {
    return QStringLiteral("Rocío Valverde");
}
inline QString pictureDesigner() {
    return QStringLiteral("Tomás Arenas");
}
inline QString pictureDesignerMail() {
    return QStringLiteral("diseno@example.org");
}
// The maker's page of customisation examples, linked from the customise page.
inline QString customisationExamplesAddress() {
    return QStringLiteral("https://www.example.org/zerval/ejemplos/");
}

} // namespace zerval
