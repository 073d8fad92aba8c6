#pragma once
// The document the main window edits: the figure list, the figures waiting to be placed, the
// background picture of a figure file, the drawing bitmap (the canvas at 100 %), the undo history with
// its saved baseline, and the settings rendering reads. Every change of the figures that should be
// undoable ends with pushHistory().

#include "document/drawing_bitmap.h"
#include "document/environment_settings.h"
#include "document/figure.h"
#include "document/figure_file.h"
#include "document/figure_renderer.h"
#include "document/undo_history.h"
#include "platform/prompts.h"

#include <QImage>
#include <QSize>
#include <functional>

namespace molvane {

inline constexpr int kDefaultCanvasWidth = 1500;
inline constexpr int kDefaultCanvasHeight = 1000;
// The ranges of the canvas size controls.
inline constexpr QSize kMinCanvasSize(100, 50);
inline constexpr QSize kMaxCanvasSize(2000, 1500);

// A canvas size held to the controls' ranges, as setting the controls to it would.
inline QSize canvasSizeWithinRange(QSize size)
{
    return size.expandedTo(kMinCanvasSize).boundedTo(kMaxCanvasSize);
}
extern const char* const kInternalDataError; // "内部データエラー"

class Drawing {
public:
    Drawing();

    FigureList figures;    // the drawing, in painting order
    FigureList pasteList;  // figures waiting to be placed, relative to their own origin
    QImage background;     // the figure file's background picture; null when none
    EnvironmentSettings settings;
    int lineSpacing = 0;   // of multi-line text
    // What the renders on the drawing bitmap recorded, the latest of each part (see RenderRecord::update).
    // It outlives the figures that recorded it: New keeps it and Open takes the read drawing's. A fill
    // committed stores the latest extent as its own, and a double or triple bond of no length given a
    // new shape takes the latest side lines (see figure_commit.h).
    RenderRecord lastRecorded;
    FigureRegion keptRegion; // the region the last figure file read had
    QImage pasteImage;       // the picture of a partial file being placed

    // The bitmap is made on first use: a new drawing's canvas is white, and the view shows a white
    // canvas without it, so an editor started without a file holds no canvas-sized picture until
    // something is drawn, read or exported.
    const QImage& bitmap() const
    {
        makeBitmap();
        return bitmap_;
    }
    QImage& bitmap()
    {
        makeBitmap();
        return bitmap_;
    }
    // False while the canvas is still the white one of a new drawing and nothing has asked for it.
    bool bitmapMade() const { return !bitmap_.isNull(); }
    QSize canvasSize() const { return canvasSize_; }
    // Resizes the drawing bitmap and rebuilds it.
    void setCanvasSize(QSize size);
    // Takes the figures, background and drawing bitmap of a drawing read on its own with the same
    // settings, so that they are not rendered a second time; the selection is cleared.
    void takeRendered(Drawing&& read);

    // Replacing the whole drawing, each with its rendering, history and saved baseline together:
    // New: nothing drawn, nothing to undo, nothing to save.
    void startEmpty();
    // Open: the drawing read (rendered in `read`), saved as it is, and one undo step back to empty.
    void startFrom(Drawing&& read);
    // Saved: where the history starts, and what counts as unmodified.
    void markSaved();
    void rebuildBitmap(const RebuildOptions& options = {});
    RenderSettings renderSettings() const { return RenderSettings::from(settings, lineSpacing); }
    void clearSelection();
    bool isEmpty() const { return figures.empty() && background.isNull(); }

    // Undo history.
    QByteArray snapshot() const { return encodeUndoSnapshot(figures); }
    void resetHistory();
    // After a save the saved drawing is where the history starts: nothing to undo, and no undo that
    // would empty the canvas.
    void resetHistoryToCurrent();
    void takeBaseline() { baseline_ = snapshot(); }
    // Never saved anywhere (a drawing restored after a crash): modified whatever it holds.
    void markNeverSaved() { baseline_.clear(); }
    // Called whenever what can be undone or redone may have changed.
    std::function<void()> onHistoryChanged;
    // Stores the current figures as a new state (nothing when unchanged); true when stored.
    bool pushHistory();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // Each loads the state it moves to; a state that cannot be read back reports "内部データエラー".
    bool undo(Prompts& prompts);
    bool redo(Prompts& prompts);
    bool isModified() const { return snapshot() != baseline_; }
    // Whether a state taken with snapshot() differs from the saved one (one encoding, not two).
    bool differsFromSaved(const QByteArray& state) const { return state != baseline_; }
    const UndoHistory& history() const { return history_; }
    UndoHistory& history() { return history_; }

    // Set by reform, whose changes come in many small steps: the state is pushed when it is consumed.
    bool pendingChange = false;
    void consumePendingChange();

private:
    bool loadState(const QByteArray& state, Prompts& prompts);
    void historyChanged()
    {
        if (onHistoryChanged)
            onHistoryChanged();
    }

    void makeBitmap() const;

    QSize canvasSize_;
    mutable QImage bitmap_; // null until first used (see bitmap())
    UndoHistory history_;
    QByteArray snapshotMemory_; // where the next pushed snapshot is encoded
    QByteArray baseline_;
};

// Reports a figure stream that cannot be read: the information beep and the error box.
void reportInternalDataError(Prompts& prompts);

} // namespace molvane
