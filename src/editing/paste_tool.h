#pragma once
// Placing what a paste or an opened partial figure file brought: the figures wait in the drawing's paste
// list and show as their picture in a frame, centred in the visible part of the view. The frame is
// dragged by the mouse or stepped by the keys and snapped to the grid as it goes; the release (or the
// last key let go) places the figures at the frame's corner as one undo state. A right press drops them.
// A picture waits the same way (white shown transparent, a red dotted line along its edge) and becomes a
// picture figure where it is dropped.

#include "document/figure_file.h"
#include "editing/canvas_tool.h"

#include <QImage>
#include <optional>

namespace molvane {

// The window's side of placing: the part of the view in sight, the status line, the mode.
class PlacingEnvironment {
public:
    virtual ~PlacingEnvironment() = default;
    // The part of the view in sight, in view pixels.
    virtual QRect visibleArea() const = 0;
    // The pointer's marks on the view go until the pointer moves again.
    virtual void erasePointerMarks() = 0;
    // The status line's text, and the name of the figure tool the mode returns to for it.
    virtual void showStatus(const QString& text) = 0;
    virtual QString returnToolName() const = 0;
    // The figures waiting to be placed are gone (placed or dropped): the window leaves the placing mode.
    virtual void placingEnded() = 0;
    // They were placed, in the drawing and its history.
    virtual void figuresPlaced() = 0;
    // The waiting picture became the drawing's last figure, in its history; the mode stays until the
    // next press, so the reform controls can still act on it.
    virtual void picturePlaced() = 0;
    // A right press dropped them: the selection starts afresh and the canvas menu opens here.
    virtual void openCanvasMenu(QPoint at) = 0;
    // The tracing sample was let go: its place on the canvas (model pixels).
    virtual void samplePlaced(const QRect& place) = 0;
};

// A picture that becomes a picture figure where the frame is dropped.
struct WaitingPicture {
    QImage picture; // pure white is transparent
    QString name;   // the file it came from: the figure's text
    // The tracing sample: its frame is the picture's own size, and where it is let go becomes the
    // sample's place instead of a figure.
    bool sample = false;
};

class PasteTool : public CanvasTool {
public:
    // region: where the figures stood when they were copied or saved, in model pixels.
    PasteTool(CanvasEnvironment& env, PlacingEnvironment& window, const FigureRegion& region);
    // The frame of a picture is as large as the picture figure of the current size choice will be.
    PasteTool(CanvasEnvironment& env, PlacingEnvironment& window, WaitingPicture picture);

    bool serves(EditMode mode) const override
    {
        if (!picture_)
            return mode == EditMode::PastePlacing;
        return mode == (picture_->sample ? EditMode::SamplePlacing : EditMode::PicturePlacing);
    }
    // A press on the frame grabs it; beside it the user is told to drag the frame.
    void press(const PointerEvent& e) override;
    void move(const PointerEvent& e) override;
    void release(const PointerEvent& e) override;
    void cancel() override { dragging_ = false; }
    bool dragging() const override { return dragging_; }
    QRegion overlayArea() const override;
    void paintOverlay(Canvas& canvas, const QRect& exposed) const override;

    // A right press drops the figures. On the frame it is taken (true): the canvas menu opens at the
    // frame's corner. Beside it the press is the canvas's as any other (false).
    bool rightPress(QPoint at);
    // One tick of the direction keys moved the frame by this much (view pixels).
    void keyStep(QPoint offset);
    // Every key is up: the figures go where the frame stands.
    void keysReleased();
    // Drops the figures: nothing is placed.
    void hide();

    bool shown() const { return shown_; }
    // The frame in view pixels; empty once it is gone.
    QRect frameRect() const;
    // Where the pointer holds the frame.
    QPoint heldAt() const { return corner_ + grip_; }

private:
    void centreFrame();
    QSize frameSize() const;
    void moveTo(QPoint corner);
    void takeDown();
    void place();
    void placePicture(QPoint at);

    CanvasEnvironment& env_;
    PlacingEnvironment& window_;
    QPoint offset_; // model pixels: keeps the placed figures on the copied ones' grid phase
    QPoint corner_; // the snapped corner the frame follows, in view pixels
    QPoint grip_;   // where the frame was grabbed, from its corner
    bool keyStepped_ = false;
    bool shown_ = true;
    bool dragging_ = false;
    std::optional<WaitingPicture> picture_;
    QPoint sizeOffset_;     // model pixels by which the picture figure reaches beyond the picture per side
    QImage preview_;        // the picture with its red dotted edge
    mutable QImage scaled_; // the picture at the frame's size
    mutable int scaledZoom_ = 0;
    mutable qint64 scaledKey_ = 0;
};

} // namespace molvane
