#include "platform/atomic_file.h"

#include <QFile>
#include <QSaveFile>

namespace molvane {

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!ok) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
    }
    return ok;
}

bool readWholeFile(const QString& path, QByteArray& out, QString* error, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.size() > maxBytes) {
        if (error)
            *error = QStringLiteral("file too large");
        return false;
    }
    out = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace molvane
