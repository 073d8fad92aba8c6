#include "document/recovery_store.h"

#include "platform/atomic_file.h"
#include "platform/bmp_codec.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace molvane {

namespace {

// The id of this run: the process and the time it began, so a process id used again later never
// takes an old copy for its own.
QString runId()
{
    return QStringLiteral("%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch());
}

QString writeCopies(const QString& drawingPath, const QString& namePath, const QString& picturePath,
                    std::optional<DrawingCopy> drawing, std::optional<QImage> picture)
{
    QString why;
    if (drawing) {
        const QByteArray bytes = encodeFigureFile(drawing->region, drawing->background, drawing->figures, {});
        if (!writeFileAtomically(drawingPath, bytes, &why) ||
            !writeFileAtomically(namePath, drawing->fileName.toUtf8(), &why))
            return why.isEmpty() ? QStringLiteral("?") : why;
    }
    if (picture && !writeFileAtomically(picturePath, writeBmp(*picture), &why))
        return why.isEmpty() ? QStringLiteral("?") : why;
    return {};
}

} // namespace

RecoveryStore::RecoveryStore(const QString& folder)
    : folder_(folder), id_(runId()), lock_(QDir(folder).filePath(id_ + QStringLiteral(".lock")))
{
    QDir().mkpath(folder_);
    lock_.setStaleLockTime(0);
    lock_.tryLock(0);
}

RecoveryStore::~RecoveryStore()
{
    waitForWrite();
}

QString RecoveryStore::path(const QString& id, const char* suffix) const
{
    return QDir(folder_).filePath(id + QLatin1String(suffix));
}

bool RecoveryStore::write(std::optional<DrawingCopy> drawing, std::optional<QImage> picture)
{
    if (writing())
        return false;
    if (pending_.valid())
        writeError_ = pending_.get();
    QDir().mkpath(folder_);
    pending_ = std::async(std::launch::async, writeCopies, drawingPath(), path(id_, ".txt"), picturePath(),
                          std::move(drawing), std::move(picture));
    return true;
}

bool RecoveryStore::writing() const
{
    return pending_.valid() && pending_.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

void RecoveryStore::waitForWrite()
{
    if (pending_.valid())
        writeError_ = pending_.get();
}

QString RecoveryStore::takeWriteError()
{
    if (pending_.valid() && !writing())
        writeError_ = pending_.get();
    return std::exchange(writeError_, {});
}

void RecoveryStore::removeDrawing()
{
    waitForWrite();
    QFile::remove(drawingPath());
    QFile::remove(path(id_, ".txt"));
}

void RecoveryStore::removePicture()
{
    waitForWrite();
    QFile::remove(picturePath());
}

bool RecoveryStore::hasDrawing() const
{
    return QFileInfo::exists(drawingPath());
}

bool RecoveryStore::hasPicture() const
{
    return QFileInfo::exists(picturePath());
}

std::vector<RecoveryStore::Orphan> RecoveryStore::orphans()
{
    static const QStringList ours = {QStringLiteral("fga"), QStringLiteral("bmp"), QStringLiteral("txt"),
                                     QStringLiteral("kept"), QStringLiteral("lock")};
    QSet<QString> ids;
    for (const QFileInfo& f : QDir(folder_).entryInfoList(QDir::Files))
        if (f.completeBaseName() != id_ && ours.contains(f.suffix()))
            ids.insert(f.completeBaseName());
    std::vector<Orphan> found;
    for (const QString& id : ids) {
        auto lock = std::make_shared<QLockFile>(path(id, ".lock"));
        lock->setStaleLockTime(0);
        // A lock that is held belongs to an editor still running; one whose process is gone is stale
        // and taken over.
        if (!lock->tryLock(0))
            continue;
        Orphan o{id, path(id, ".fga"), path(id, ".bmp"), {}, QFileInfo::exists(path(id, ".kept")), lock};
        if (!QFileInfo::exists(o.drawing))
            o.drawing.clear();
        if (!QFileInfo::exists(o.picture))
            o.picture.clear();
        QFile name(path(id, ".txt"));
        if (name.open(QIODevice::ReadOnly))
            o.fileName = QString::fromUtf8(name.read(4096));
        if (o.drawing.isEmpty() && o.picture.isEmpty()) {
            discard(o);
            continue;
        }
        found.push_back(o);
    }
    return found;
}

void RecoveryStore::settle(Orphan& orphan, bool drawing, bool picture)
{
    waitForWrite();
    // What was restored becomes this editor's own copy: it lasts until the restored work is saved.
    if (drawing && !orphan.drawing.isEmpty()) {
        QFile::remove(drawingPath());
        QFile::rename(orphan.drawing, drawingPath());
        QFile::remove(path(id_, ".txt"));
        QFile::rename(path(orphan.id, ".txt"), path(id_, ".txt"));
    }
    if (picture && !orphan.picture.isEmpty()) {
        QFile::remove(picturePath());
        QFile::rename(orphan.picture, picturePath());
    }
    // What was declined is kept for one more start, then removed.
    const bool left =
        QFileInfo::exists(path(orphan.id, ".fga")) || QFileInfo::exists(path(orphan.id, ".bmp"));
    if (!left || orphan.keptBefore) {
        discard(orphan);
        return;
    }
    QFile kept(path(orphan.id, ".kept"));
    kept.open(QIODevice::WriteOnly);
    kept.close();
    orphan.lock->unlock();
}

void RecoveryStore::discard(Orphan& orphan)
{
    for (const char* suffix : {".fga", ".bmp", ".txt", ".kept"})
        QFile::remove(path(orphan.id, suffix));
    orphan.lock->unlock();
}

} // namespace molvane
