#include "app/privatefile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zerval {

namespace {

int openForWriting(const QByteArray& path) {
    return ::open(path.constData(),
                  O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0600);
}

bool writeAll(int descriptor, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::write(descriptor, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += written;
    }
    return true;
}

} // namespace

bool writePrivateFile(const QString& folder, const QString& name, const QByteArray& bytes) {
    // Without its folder the name would land in whatever folder the program was started from.
    if (folder.isEmpty() || name.isEmpty() || name.contains(QLatin1Char('/'))) return false;
    const QByteArray path = QFile::encodeName(folder + name);
    int descriptor = openForWriting(path);
    if (descriptor < 0 && errno == ELOOP) {
        struct stat entry {};
        if (lstat(path.constData(), &entry) == 0 && S_ISLNK(entry.st_mode) &&
            unlink(path.constData()) == 0)
            descriptor = openForWriting(path);
    }
    if (descriptor < 0) return false;
    struct stat opened {};
    bool written = fstat(descriptor, &opened) == 0 && S_ISREG(opened.st_mode) &&
                   opened.st_uid == getuid() && ftruncate(descriptor, 0) == 0 &&
                   writeAll(descriptor, bytes);
    // Overwritten pages stay the user's alone whatever mode they had.
    if (written) written = fchmod(descriptor, 0600) == 0;
    return ::close(descriptor) == 0 && written;
}

} // namespace zerval
