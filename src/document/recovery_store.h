#pragma once
// The recovery copies of a running editor: the drawing (a figure file) and the picture editor's picture
// (a bmp), written in the background into one folder, so that work outlives a crash or a killed process.
// Each editor names its copies by an id of its own and holds a lock file beside them while it runs; the
// copies whose lock nobody holds any more are the ones a starting editor offers back.

#include "document/figure.h"
#include "document/figure_file.h"

#include <QImage>
#include <QLockFile>
#include <QString>
#include <future>
#include <memory>
#include <optional>
#include <vector>

namespace molvane {

// What the drawing's copy is made of; the lists and the picture are shared, not copied.
struct DrawingCopy {
    FigureRegion region;
    QImage background;
    FigureList figures;
    QString fileName; // the file it was opened from or saved to; empty when it never was
};

class RecoveryStore {
public:
    // folder is made when missing; the lock of this editor's copies is taken at once.
    explicit RecoveryStore(const QString& folder);
    // Waits for a write under way.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Encodes and writes the copies given, atomically, off the caller's thread. False (nothing
    // started) while the previous write is still under way.
    bool write(std::optional<DrawingCopy> drawing, std::optional<QImage> picture);
    bool writing() const;
    void waitForWrite();
    // The reason the last finished write failed (empty when it went well), once.
    QString takeWriteError();

    // Each removes its copy (after the write under way).
    void removeDrawing();
    void removePicture();
    bool hasDrawing() const;
    bool hasPicture() const;
    QString drawingPath() const { return path(id_, ".fga"); }
    QString picturePath() const { return path(id_, ".bmp"); }

    // The copies of an editor that is no longer running, locked by this one while it decides.
    struct Orphan {
        QString id;
        QString drawing, picture; // the copies' paths; empty when that copy is missing
        QString fileName;         // the drawing's own file, as its editor last knew it
        bool keptBefore = false;  // declined at an earlier start
        std::shared_ptr<QLockFile> lock;
    };
    std::vector<Orphan> orphans();
    // After the question: the drawing and the picture that were restored become this editor's own
    // copies; what was declined is kept for one more start, then removed.
    void settle(Orphan& orphan, bool drawing, bool picture);
    void discard(Orphan& orphan);

private:
    QString path(const QString& id, const char* suffix) const;

    QString folder_;
    QString id_;
    QLockFile lock_;
    std::future<QString> pending_;
    QString writeError_;
};

} // namespace molvane
