// Copy, cut, paste and delete of figures through the window's own clipboard, and the paste frame that
// a paste or an opened partial figure file shows until the user drops it where the figures go.

#include "document/main_window/clipboard_commands.h"
#include "document/figure_file.h"
#include "document/figure_file_io.h"
#include "document/fill_surroundings.h"
#include "document/geometry.h"
#include "document/main_window/main_window_texts.h"
#include "document/main_window/tform1.h"
#include "editing/move_logic.h"
#include "editing/selection.h"

#include <QAction>
#include <QMenu>

namespace molvane {

namespace {

constexpr int kOutsideArea = 99999;

} // namespace

FigureRegion ClipboardCommands::copiedArea() const
{
    if (const QRect range = w_.tools_.selection().range(); !range.isNull()) {
        const QPoint a = toModel(range.topLeft(), w_.zoom());
        const QPoint b = toModel(range.bottomRight(), w_.zoom());
        return {b.x() - a.x(), b.y() - a.y(), a.x(), a.y()};
    }
    int left = kOutsideArea, top = kOutsideArea, right = 0, bottom = 0;
    for (const TFigure& f : w_.drawing_.figures) {
        if (!f.selected)
            continue;
        const QRect r = f.occupiedRect();
        left = std::min(left, r.left());
        top = std::min(top, r.top());
        right = std::max(right, r.right());
        bottom = std::max(bottom, r.bottom());
    }
    return {right - left, bottom - top, left, top};
}

bool ClipboardCommands::copySelection()
{
    captureFillsForMove(w_.drawing_.figures);
    FigureList copied;
    for (const TFigure& f : w_.drawing_.figures)
        if (f.selected)
            copied.push_back(f);
    if (copied.empty())
        return false;
    clipStream_ = encodeClipboard(copiedArea(), copied);
    return true;
}

void ClipboardCommands::Copy1Click()
{
    if (!itemsEnabled())
        return;
    copySelection();
    w_.resetSelection();
}

void ClipboardCommands::Cut1Click()
{
    if (!itemsEnabled())
        return;
    if (copySelection())
        deleteSelected();
    w_.resetSelection();
}

void ClipboardCommands::Delete1Click()
{
    if (!itemsEnabled())
        return;
    deleteSelected();
    w_.resetSelection();
}

void ClipboardCommands::deleteSelected()
{
    FigureList& list = w_.drawing_.figures;
    std::vector<int> gone;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const TFigure& f = list[i];
        bool goes = f.selected;
        // A fill goes with any figure around it.
        if (f.kind == fkNuri)
            for (QPoint p : f.points)
                goes = goes || (p.x() >= 0 && p.x() < int(list.size()) && list[std::size_t(p.x())].selected);
        if (goes)
            gone.push_back(int(i));
    }
    removeFigures(list, gone);
    w_.drawing_.rebuildBitmap();
    for (TFigure& f : list)
        if (f.kind == fkNuri)
            updateSurroundings(f, w_.drawing_.bitmap(), list);
    w_.drawing_.clearSelection();
    w_.tools_.selection().clearRange();
    w_.drawing_.pushHistory();
}

void ClipboardCommands::Paste1Click()
{
    w_.popupStates();
    if (clipStream_.isEmpty())
        return;
    DecodedClipboard clip = decodeClipboard(clipStream_);
    if (!clip.ok) {
        w_.prompts_.beep(BeepKind::Asterisk);
        w_.prompts_.message(QString::fromUtf8(kInternalDataError), MessageType::Error, MessageButtons::Ok);
        return;
    }
    w_.drawing_.pasteList = std::move(clip.figures);
    for (TFigure& f : w_.drawing_.pasteList)
        f.selected = f.frameShown = false;
    w_.drawing_.pasteImage = partialFileImage(w_.drawing_.pasteList, {clip.region.width, clip.region.height},
                                              w_.drawing_.renderSettings());
    showPasteFrame(clip.region);
}

void ClipboardCommands::showPasteFrame(const FigureRegion& region)
{
    w_.tools_.showPaste(region);
    w_.mode_ = EditMode::PastePlacing;
    w_.tools_.selection().clearRange();
    w_.drawing_.clearSelection();
    w_.popupJustShown_ = false;
    w_.view_->update();
}

void ClipboardCommands::hidePasteFrame()
{
    if (w_.tools_.paste())
        w_.tools_.paste()->hide();
}

bool ClipboardCommands::itemsEnabled() const
{
    // Not while picking a figure, moving, or placing what was pasted.
    const bool editing = w_.mode_ == EditMode::Information || w_.mode_ == EditMode::Moving ||
                         w_.mode_ == EditMode::PastePlacing;
    return !w_.drawing_.figures.empty() && molvane::countSelected(w_.drawing_.figures) > 0 &&
           !w_.pasteFrameShown() && !editing;
}

void ClipboardCommands::popupStates()
{
    const bool enabled = itemsEnabled();
    for (const char* name : {"Cut1", "Copy1", "Delete1"})
        w_.ui_.popupMenu->findChild<QAction*>(QString::fromLatin1(name))->setEnabled(enabled);
    w_.ui_.popupMenu->findChild<QAction*>(QStringLiteral("Paste1"))->setEnabled(!clipStream_.isEmpty());
    w_.ui_.popupUndo->setEnabled(w_.drawing_.canUndo() || w_.pasteFrameShown());
}

} // namespace molvane
