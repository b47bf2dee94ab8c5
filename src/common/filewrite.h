#pragma once

#include <QByteArrayView>
#include <QString>

class QFile;

// Every file the program writes goes through here, so that a full disk or a failing device never
// leaves a user's file empty or cut short. QSaveFile is not enough: in Qt 6.4 its commit() ignores
// a flush that failed and a failed fsync, and moves the short file over the old one.

namespace modVelmora {

// Why a file could not be written or read, from the system's error number: "No space left on
// device", in the user's language where a translation is installed, else as the system says it.
QString FileErrorText(int error);

// Makes the folder and those above it; empty when it is there, else the reason.
QString MakeFolder(const QString& folder);

// Replaces the file at path by bytes: written to a new file in the same folder, every write, the
// flush to the disk and the close checked, and only then moved over the old file (through a link,
// the file it names). The folder must exist. Empty when written, else the reason; the old file is
// then exactly as it was and no new one is left behind.
QString WriteWholeFile(const QString& path, QByteArrayView bytes);

// A file that grows by whole records, each written and flushed to the disk before it counts: a
// record that fails is cut off again, so the file never ends in half of one.
class AppendFile {
public:
    explicit AppendFile(QString path);
    ~AppendFile();
    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;

    // Opens the file, making it when there is none; its length so far is size(). Empty or the reason.
    QString open();
    // Appends bytes and flushes them to the disk; empty, or the reason, the file as it was before.
    QString append(QByteArrayView bytes);
    // Cuts the file back to length (a record left half written by an earlier run); empty or the reason.
    QString truncate(qint64 length);
    qint64 size() const { return size_; }
    bool isOpen() const;
    void close();

private:
    QString path_;
    qint64 size_ = 0;
#ifdef Q_OS_WIN
    QFile* file_ = nullptr;
#else
    int descriptor_ = -1;
#endif
};

}  // namespace modVelmora
