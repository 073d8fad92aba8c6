#include "platform/atomic_file.h"

#include "platform/atomic_file_testing.h"

#include <QFile>
#include <QSaveFile>

namespace molvane {

namespace {

thread_local AtomicWriteFailure* activeFailure = nullptr;

} // namespace

AtomicWriteFailure::AtomicWriteFailure(qint64 afterBytes) : afterBytes_(afterBytes), previous_(activeFailure)
{
    activeFailure = this;
}

AtomicWriteFailure::~AtomicWriteFailure() { activeFailure = previous_; }

AtomicWriteFailure* AtomicWriteFailure::active() { return activeFailure; }

namespace {

// True when a test asked for this write to fail: the first bytes have then gone to the temporary file.
bool injectedWriteFailure(QSaveFile& file, const QByteArray& bytes)
{
    AtomicWriteFailure* failure = AtomicWriteFailure::active();
    if (!failure)
        return false;
    file.write(bytes.constData(), qBound<qint64>(0, failure->afterBytes(), bytes.size()));
    file.flush();
    failure->countFailure();
    return true;
}

} // namespace

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    // QSaveFile writes a temporary file beside the target and renames it over the target in commit().
    // Its direct-write fallback stays off: a folder that allows no temporary file fails instead of
    // having the old file overwritten in place. A QSaveFile that is not committed removes its
    // temporary file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QString why;
    if (injectedWriteFailure(file, bytes))
        why = QStringLiteral("No space left on device");
    else if (file.write(bytes) != bytes.size())
        why = file.errorString();
    else if (file.commit())
        return true;
    else
        why = file.errorString();
    file.cancelWriting();
    if (error)
        *error = why;
    return false;
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
