#pragma once

#include <QDateTime>
#include <QString>

// A file the program cannot read is kept, never overwritten: renamed beside itself so that
// nothing the user typed is lost, and a new one can start.

namespace modVelmora {

// A dangling link counts as taken too: moving onto it would replace the link.
bool PathTaken(const QString& path);

struct SetAside {
    QString path;   // where the file now is; empty when it could not be moved
    QString error;  // why not
};

// Renames the file at path to "<name>.damaged-<yyyyMMdd-HHmmss>[-n].<suffix>" in its folder,
// stamped with now and numbered past any name already taken.
SetAside SetDamagedFileAside(const QString& path, const QDateTime& now);

}  // namespace modVelmora
