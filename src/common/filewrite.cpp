#include "common/filewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>

#include "common/refusal.h"

#ifdef Q_OS_WIN
#include <QSaveFile>
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace modVelmora {

namespace {

// The reasons a user meets, translated; any other is given as the system words it.
const struct {
    int error;
    const char* text;
} kReasons[] = {
    {ENOSPC, QT_TRANSLATE_NOOP("modVelmora::Messages", "No space left on device")},
#ifdef EDQUOT
    {EDQUOT, QT_TRANSLATE_NOOP("modVelmora::Messages", "Disk quota exceeded")},
#endif
    {EACCES, QT_TRANSLATE_NOOP("modVelmora::Messages", "Permission denied")},
    {EPERM, QT_TRANSLATE_NOOP("modVelmora::Messages", "Permission denied")},
    {EROFS, QT_TRANSLATE_NOOP("modVelmora::Messages", "Read-only file system")},
    {EIO, QT_TRANSLATE_NOOP("modVelmora::Messages", "Input/output error")},
    {EISDIR, QT_TRANSLATE_NOOP("modVelmora::Messages", "It is a folder, not a file")},
    {ENOENT, QT_TRANSLATE_NOOP("modVelmora::Messages", "No such file or folder")},
    {ENOTDIR, QT_TRANSLATE_NOOP("modVelmora::Messages", "A part of the path is not a folder")},
    {EFBIG, QT_TRANSLATE_NOOP("modVelmora::Messages", "File too large")},
};
const char* const kNotAFile = QT_TRANSLATE_NOOP("modVelmora::Messages", "It is not an ordinary file");

#ifndef Q_OS_WIN
// Each write until all is written; a signal may cut one short.
int writeAll(int descriptor, QByteArrayView bytes) {
    const char* next = bytes.data();
    for (qsizetype left = bytes.size(); left > 0;) {
        const ssize_t written = ::write(descriptor, next, size_t(left));
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        if (written == 0) return EIO;
        next += written;
        left -= written;
    }
    return 0;
}

int syncToDisk(int descriptor) {
    while (::fsync(descriptor) != 0)
        if (errno != EINTR) return errno;
    return 0;
}
#endif

}  // namespace

QString FileErrorText(int error) {
    for (const auto& reason : kReasons)
        if (reason.error == error) return QCoreApplication::translate(kMessageContext, reason.text);
#if defined(__GLIBC__)
    // In English whatever the locale, as the translated ones are in English before translation.
    if (const char* text = strerrordesc_np(error)) return QString::fromUtf8(text);
#endif
    return QString::fromLocal8Bit(std::strerror(error));
}

QString MakeFolder(const QString& folder) {
    errno = 0;
    if (QDir().mkpath(folder)) return {};
    // A file where a folder of the path should be.
    for (QFileInfo above(folder); !above.isRoot() && !above.filePath().isEmpty(); above = QFileInfo(above.absolutePath()))
        if (above.exists() && !above.isDir()) return FileErrorText(ENOTDIR);
    return FileErrorText(errno ? errno : EACCES);
}

#ifndef Q_OS_WIN

QString WriteWholeFile(const QString& path, QByteArrayView bytes) {
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
    const QByteArray name = QFile::encodeName(target);
    struct stat old {};
    const bool replacing = ::stat(name.constData(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) return FileErrorText(EISDIR);
    // A device or a pipe is not replaced by a file.
    if (replacing && !S_ISREG(old.st_mode)) return QCoreApplication::translate(kMessageContext, kNotAFile);

    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    const QByteArray stem = folder + "/." + QFile::encodeName(QFileInfo(target).fileName()) + '.';
    QByteArray temporary;
    int descriptor = -1;
    while (descriptor < 0) {
        temporary = stem + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        descriptor = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST && errno != EINTR) return FileErrorText(errno);
    }
    int error = 0;
    // The file keeps its permissions; a file system without them refuses, which does no harm.
    if (replacing) (void)::fchmod(descriptor, old.st_mode & 07777);
    error = writeAll(descriptor, bytes);
    if (!error) error = syncToDisk(descriptor);
    if (::close(descriptor) != 0 && !error) error = errno;
    if (!error && ::rename(temporary.constData(), name.constData()) != 0) error = errno;
    if (error) {
        ::unlink(temporary.constData());
        return FileErrorText(error);
    }
    // The new name to the disk too; a folder that cannot be synced already holds the file.
    if (const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return {};
}

AppendFile::AppendFile(QString path) : path_(std::move(path)) {}
AppendFile::~AppendFile() { close(); }

bool AppendFile::isOpen() const { return descriptor_ >= 0; }

QString AppendFile::open() {
    close();
    do descriptor_ = ::open(QFile::encodeName(path_).constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    while (descriptor_ < 0 && errno == EINTR);
    if (descriptor_ < 0) return FileErrorText(errno);
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode)) {
        const int error = errno;
        close();
        return S_ISREG(status.st_mode) ? FileErrorText(error) : QCoreApplication::translate(kMessageContext, kNotAFile);
    }
    size_ = status.st_size;
    return {};
}

QString AppendFile::append(QByteArrayView bytes) {
    if (descriptor_ < 0) return FileErrorText(EBADF);
    int error = writeAll(descriptor_, bytes);
    if (!error) error = syncToDisk(descriptor_);
    if (!error) {
        size_ += bytes.size();
        return {};
    }
    // What went out of the record is taken back; if even that fails the caller writes the file anew.
    if (::ftruncate(descriptor_, size_) != 0) close();
    return FileErrorText(error);
}

QString AppendFile::truncate(qint64 length) {
    if (descriptor_ < 0) return FileErrorText(EBADF);
    if (::ftruncate(descriptor_, length) != 0 || syncToDisk(descriptor_) != 0) return FileErrorText(errno);
    size_ = length;
    return {};
}

void AppendFile::close() {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
}

#else

// Windows words its reasons as sentences; the messages that give them add their own full stop.
static QString reasonOf(const QFileDevice& file) {
    QString reason = file.errorString().trimmed();
    while (reason.endsWith(QLatin1Char('.'))) reason.chop(1);
    return reason;
}

// Windows: Qt's files, unbuffered so that each write reports its own failure, flushed to the disk by _commit.
QString WriteWholeFile(const QString& path, QByteArrayView bytes) {
    if (QFileInfo(path).isDir()) return FileErrorText(EISDIR);
    // In the program's words, as on Linux, rather than the system's "path not found".
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir()) return FileErrorText(ENOENT);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return reasonOf(file);
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || _commit(file.handle()) != 0) {
        const QString why = file.error() != QFileDevice::NoError ? reasonOf(file) : FileErrorText(errno);
        file.cancelWriting();
        return why;
    }
    if (!file.commit() || file.error() != QFileDevice::NoError) return reasonOf(file);
    return {};
}

AppendFile::AppendFile(QString path) : path_(std::move(path)) {}
AppendFile::~AppendFile() { close(); }

bool AppendFile::isOpen() const { return file_ != nullptr; }

QString AppendFile::open() {
    close();
    file_ = new QFile(path_);
    if (!file_->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        const QString why = reasonOf(*file_);
        close();
        return why;
    }
    size_ = file_->size();
    return {};
}

QString AppendFile::append(QByteArrayView bytes) {
    if (!file_) return FileErrorText(EBADF);
    if (file_->write(bytes.data(), bytes.size()) == bytes.size() && _commit(file_->handle()) == 0) {
        size_ += bytes.size();
        return {};
    }
    const QString why = file_->error() != QFileDevice::NoError ? reasonOf(*file_) : FileErrorText(errno);
    if (!file_->resize(size_)) close();
    return why;
}

QString AppendFile::truncate(qint64 length) {
    if (!file_) return FileErrorText(EBADF);
    if (!file_->resize(length)) return reasonOf(*file_);
    size_ = length;
    return {};
}

void AppendFile::close() {
    delete file_;
    file_ = nullptr;
}

#endif

}  // namespace modVelmora
