#include "common/setaside.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace modVelmora {

bool PathTaken(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

SetAside SetDamagedFileAside(const QString& path, const QDateTime& now) {
    const QFileInfo info(path);
    const QString stamp = QLocale::c().toString(now, QStringLiteral("yyyyMMdd-HHmmss"));
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QFile file(path);
    for (int n = 1;; ++n) {
        const QString number = n > 1 ? QLatin1Char('-') + QString::number(n) : QString();
        const QString aside = info.dir().filePath(info.completeBaseName() + QStringLiteral(".damaged-") + stamp + number + suffix);
        if (PathTaken(aside)) continue;
        if (file.rename(aside)) return {aside, {}};
        // Another program may have taken the name between the check and the move: try the next.
        if (!PathTaken(aside)) return {{}, file.errorString()};
    }
}

}  // namespace modVelmora
