#pragma once
// Copy, cut, paste and delete of the selected figures through the window's own clipboard, and the
// paste frame that a paste or an opened partial figure file shows until the user drops the figures
// where they go.

#include "document/figure_file.h"

#include <QByteArray>

namespace molvane {

class TForm1;

class ClipboardCommands {
public:
    explicit ClipboardCommands(TForm1& window) : w_(window) {}

    void Copy1Click();
    void Cut1Click();
    void Paste1Click();
    void Delete1Click();

    // The figures waiting in the drawing's paste list show in the paste frame, where they stood.
    void showPasteFrame(const FigureRegion& region);
    void hidePasteFrame();
    // Copy, cut and delete act on selected figures, not while picking, moving or placing.
    bool itemsEnabled() const;
    // The canvas menu's clipboard items, enabled as they can act now.
    void popupStates();
    // Deletes the selected figures (a fill goes with any figure around it) as one undo state.
    void deleteSelected();
    // The copied figures, as the clipboard container holds them.
    const QByteArray& clipStream() const { return clipStream_; }

private:
    FigureRegion copiedArea() const;
    bool copySelection();

    TForm1& w_;
    QByteArray clipStream_;
};

} // namespace molvane
