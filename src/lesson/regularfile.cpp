#include "regularfile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Every byte written, or the system's error number. Qt's own writes were seen to report a write
// cut short by a full disk as a success, and a failed one without its reason: written here by
// hand, then synced, so that a disk that fills only when the data leaves the cache says so too.
int writeAll(int descriptor, const QByteArray &bytes)
{
    const char *next = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        next += written;
        left -= written;
    }
    return ::fsync(descriptor) == 0 ? 0 : errno;
}

// What a path holds when it is not a regular file, for a message.
QString notRegular(mode_t mode)
{
    const QString kind = S_ISDIR(mode)                    ? RegularFile::tr("a folder")
                         : S_ISFIFO(mode)                 ? RegularFile::tr("a named pipe (FIFO)")
                         : S_ISSOCK(mode)                 ? RegularFile::tr("a socket")
                         : S_ISCHR(mode) || S_ISBLK(mode) ? RegularFile::tr("a device")
                                                          : RegularFile::tr("a special file");
    return RegularFile::tr("%1, not a regular file").arg(kind);
}

// The reason a path could not be opened, ELOOP and ENOENT in the words of the messages around it.
QString whyNotOpened(int error)
{
    if (error == ENOENT)
        return RegularFile::tr("no such file");
    if (error == ELOOP)
        return RegularFile::tr("a loop of symbolic links");
    return systemReason(error);
}
} // namespace

QString RegularFile::openToRead(const QString &fileName, QFile &file)
{
    const QByteArray path = QFile::encodeName(fileName);
    struct stat status;
    // Non-blocking, so that a named pipe without a writer does not hold the program in open().
    const int descriptor = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        const int error = errno;
        // A socket cannot be opened at all: named by what it is rather than by the error.
        if (::stat(path.constData(), &status) == 0 && !S_ISREG(status.st_mode))
            return notRegular(status.st_mode);
        return error == ENOENT || error == ELOOP
                   ? whyNotOpened(error)
                   : tr("cannot be read: %1").arg(systemReason(error));
    }
    // Looked at once open: what the path named before may have been swapped since.
    const bool looked = ::fstat(descriptor, &status) == 0;
    const int error = errno;
    if (!looked || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return looked ? notRegular(status.st_mode)
                      : tr("cannot be read: %1").arg(systemReason(error));
    }
    file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    return {};
}

QString RegularFile::save(const QString &fileName, const QByteArray &bytes)
{
    const QByteArray path = QFile::encodeName(fileName);
    struct stat status;
    if (::stat(path.constData(), &status) == 0) {
        if (!S_ISREG(status.st_mode))
            return notRegular(status.st_mode);
    } else if (errno != ENOENT) {
        return whyNotOpened(errno);
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const int error = writeAll(file.handle(), bytes);
    if (error != 0 || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return error != 0 ? systemReason(error) : file.errorString();
    }
    return file.commit() ? QString() : file.errorString();
}
