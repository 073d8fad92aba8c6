#pragma once
// The main window's recovery copies: while the drawing (or the picture editor's picture) is modified, a
// copy of it is written in the background every so many seconds, but only after a change; a save, 新規作成
// and a normal exit take the copy away. At start the copies of an editor that ended without that are
// offered back.

#include "document/recovery_store.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <memory>

namespace molvane {

class TForm1;

class RecoveryBackup : public QObject {
public:
    explicit RecoveryBackup(TForm1& window);
    ~RecoveryBackup() override;

    // Seconds between copies (0: no copies); the store is opened in the data folder at the first call.
    void setInterval(int seconds);
    // Asks about each copy left by an editor no longer running: Yes restores it (the drawing modified
    // and unnamed, the picture into the picture editor), No keeps it for one more start.
    void offerOrphans();
    // The drawing was saved, opened or begun anew: its copy goes.
    void drawingSettled();
    // A normal exit: every copy goes.
    void closing();
    // One round of the timer: writes what changed since the last copy.
    void tick();

    RecoveryStore* store() { return store_.get(); }

private:
    void openStore();
    std::optional<DrawingCopy> changedDrawing();
    std::optional<QImage> changedPicture();
    bool restoreDrawing(const QString& path);

    TForm1& w_;
    std::unique_ptr<RecoveryStore> store_;
    QTimer timer_;
    QByteArray drawingCopied_; // the drawing's state when it was last copied
    qint64 pictureCopied_ = 0; // the picture's cache key when it was last copied
};

} // namespace molvane
