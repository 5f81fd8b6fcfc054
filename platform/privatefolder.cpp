#include "platform/privatefolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace zerval {

namespace {

bool isOwnPrivateFolder(const QByteArray& path) {
    struct stat info {};
    if (lstat(path.constData(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

} // namespace

QString privateTempFolder() {
    const QString base = QDir::tempPath();
    const QByteArray path =
        QFile::encodeName(base + QStringLiteral("/zerval-") + QString::number(getuid()));
    if (mkdir(path.constData(), 0700) == 0 || errno == EEXIST) {
        if (isOwnPrivateFolder(path)) return QFile::decodeName(path) + QLatin1Char('/');
    }
    QByteArray pattern = QFile::encodeName(base + QStringLiteral("/zerval-XXXXXX"));
    if (mkdtemp(pattern.data()) != nullptr && isOwnPrivateFolder(pattern))
        return QFile::decodeName(pattern) + QLatin1Char('/');
    return QString();
}

} // namespace zerval
