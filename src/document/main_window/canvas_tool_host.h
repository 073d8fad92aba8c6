#pragma once
// The canvas tools of the main window and what they see of it. The window hands the pointer's events
// to the tool of its mode; the tools reach the window only through the three small interfaces this
// host implements: the canvas, the selection's side and the placing's side.

#include "editing/canvas_tool.h"
#include "editing/paste_tool.h"
#include "editing/select_tool.h"

#include <memory>
#include <utility>

namespace molvane {

class TForm1;

class CanvasToolHost final : public CanvasEnvironment,
                             public SelectionEnvironment,
                             public PlacingEnvironment {
public:
    explicit CanvasToolHost(TForm1& window);
    ~CanvasToolHost() override;

    // The tool of the window's mode, made when the mode has none yet (null for the modes without one).
    CanvasTool* toolForMode();
    CanvasTool* activeTool() const;
    // The range, the frames and the moves, kept through the selection modes.
    SelectTool& selection() const { return *select_; }
    // The frame of a paste or a partial figure file, while there is one.
    PasteTool* paste() const { return paste_.get(); }
    void showPaste(const FigureRegion& region);
    void showPicture(WaitingPicture picture);
    bool pasteShown() const { return paste_ && paste_->shown(); }
    bool pasteHeld() const { return paste_ && paste_->dragging(); }
    // The mode places what waits in the frame (the figures of a paste, or a picture not yet placed).
    bool placingNow() const;
    // A button is down on something a tool follows.
    bool gestureActive() const;
    // The last pointer position on the canvas, snapped.
    QPoint pointer() const { return pointer_; }
    void setPointer(QPoint at) { pointer_ = at; }
    // A file dialog closed by a double-click leaves its button's release to come: not for the canvas.
    void ignoreNextRelease(bool ignore) { ignoreRelease_ = ignore; }
    bool takeIgnoredRelease() { return std::exchange(ignoreRelease_, false); }

    // The canvas.
    Drawing& drawing() override;
    int zoom() const override;
    int precision() const override;
    QPoint snap(QPoint view) const override;
    bool keyboardPointing() const override;
    DrawingConditions conditions() const override;
    Canvas& measuringCanvas() const override;
    Prompts& prompts() override;
    QRect viewRect() const override;
    void invalidate(const QRegion& area) override;
    void repaintNow() override;
    QString figureName(int kind) const override;
    void figureDrawn() override;
    void toolFinished() override;

    // The selection's side.
    EditMode editMode() const override;
    void setEditMode(EditMode mode) override;
    EditMode returnMode() const override;
    bool freeRangeChosen() const override;
    bool duplicateHeld() const override;
    void endSelection() override;
    void selectAgain(EditMode was) override;
    void figureChosen(const TFigure& f) override;

    // The placing's side.
    QRect visibleArea() const override;
    void erasePointerMarks() override;
    void showStatus(const QString& text) override;
    QString returnToolName() const override;
    void placingEnded() override;
    void figuresPlaced() override;
    void picturePlaced() override;
    void samplePlaced(const QRect& place) override;
    void openCanvasMenu(QPoint at) override;

private:
    TForm1& w_;
    std::unique_ptr<SelectTool> select_;
    std::unique_ptr<PasteTool> paste_;
    std::unique_ptr<CanvasTool> tool_;
    std::unique_ptr<CanvasTool> retired_; // replaced while it may still be on the stack
    QPoint pointer_;
    bool ignoreRelease_ = false;
};

} // namespace molvane
