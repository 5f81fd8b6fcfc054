#pragma once

#include <QByteArray>
#include <QString>

namespace zerval {

// The files the help entries write into the temporary folder, by the names they always had.
inline QString readmeFileName() {
    return QStringLiteral("temp___1.txt");
}
inline QString customisePageFileName() {
    return QStringLiteral("temp___3.html");
}
inline QString donationPictureFileName() {
    return QStringLiteral("donar_zerval.gif");
}
inline QString donationsPageFileName() {
    return QStringLiteral("Donaciones_zerval.html");
}

// The readme, lines ended by a line feed.
QString readmeText();

// The customise page, one line of HTML.
QString customisePage();

// The donations page, one line of HTML whose button picture is `pictureFile`, the full name
// of the saved picture.
QString donationsPage(const QString& pictureFile);

// A page's bytes in the 8-bit code page it declares (windows-1252); a character that code page
// lacks is written as a character reference.
QByteArray pageBytes(const QString& page);

} // namespace zerval
