#pragma once
// The raster picture editor window (画像エディタ): a picture made of strokes on a zoomed canvas, painted
// with the pen, line, shape and fill tools in the palette's colours, with its own undo ring. It is made
// once and keeps its picture, zoom and palette between showings.

#include "dialogs/file_dialogs.h"
#include "painting/paint_history.h"
#include "painting/paint_mode.h"
#include "painting/paint_palette.h"
#include "painting/paint_picture.h"
#include "painting/paint_tool.h"
#include "painting/pen_trail.h"
#include "painting/range_tool.h"
#include "painting/stroke_constraint.h"
#include "picture_editor/picture_editor_controls.h"
#include "platform/prompts.h"

#include <QDialog>
#include <memory>

namespace molvane {

class TFormShowMasu;

class TFormPictureEditor : public QDialog, private PaintEnvironment, private RangeHost {
    Q_OBJECT
    struct FloatingPicture;

public:
    explicit TFormPictureEditor(Prompts& prompts, QWidget* parent = nullptr);
    ~TFormPictureEditor() override;

    // The grid-line dialog that "罫線" opens, and the main window's grid spacing it starts from.
    void setGridDialog(TFormShowMasu* dialog, int spacing);
    // The folder the picture dialogs start in (made when it is missing).
    void setDataFolder(const QString& folder);

    // What OK hands to the drawing: the picture (pure white transparent) and the file's name.
    const QImage& resultPicture() const { return resultPicture_; }
    const QString& fileName() const { return fileName_; }
    // Whether the strokes or the canvas differ from the state of the last reset or save.
    bool isModified() const;
    // A picture kept from an editor that ended without saving: the editor's picture, unnamed and
    // modified, as an opened picture would be.
    void restorePicture(const QImage& picture);

    // The file commands. Save as is true when a file was written.
    void mmFileNewClick();
    void mmPicOpenClick();
    void mmPicSaveClick();
    bool mmPicSaveAsClick();
    void btOKClick();
    // Range mode: 範囲 (or a shape of it), Ctrl+Q, and the range's commands.
    void enterRangeMode();
    void mmRangeClick();
    void copyClick();
    void cutClick();
    void deleteClick();
    void trimmingClick();
    void mmSelectAllClick();
    // The marked range (none outside range mode).
    PaintRange range() const;
    // The copied picture (表示/隠す, 描画, 原点移動) and 文字, which makes it from typed text.
    void sbPasteShowClick();
    void sbPasteByougaClick();
    void sbGentenClick();
    void sbMojiClick();
    void setTextDialog(class TFormMoji* dialog) { textDialog_ = dialog; }
    // 画像 (Shift+Ctrl+Q): the import window, shown modally; its picture is kept as the imported picture.
    void setImportWindow(class TFormPictureSelect* window) { importWindow_ = window; }
    void sbFaceSelectClick();
    const QImage& importedPicture() const { return imported_; }
    bool copiedPictureShown() const { return paste_.visible; }
    // Where the copied picture floats on the view (view pixels).
    QRect copiedPictureRect() const { return shownRect(paste_); }
    // The imported picture (画像), shown over the canvas from the import window.
    bool importedPictureShown() const { return face_.visible; }
    QRect importedPictureRect() const { return shownRect(face_); }
    void sbFaceShowClick();
    void sbFaceByougaClick();
    // 伸縮, 回転, 反転 (Ctrl+A, Ctrl+S, Ctrl+D) for the current shown picture: its handles show.
    enum class Transform { None, Reform, Rotate, Reverse };
    void setTransform(Transform transform);
    Transform transform() const { return transform_; }
    // The handles of the current transform, view pixels (stretch: left, right, top, bottom, then the
    // corners; turn: the corners; mirror: the sides).
    std::vector<QRect> handleRects() const;
    // 見本 pressed down (a sample to open and place) or released (the sample goes).
    void sbShowMihonToggled(bool down);
    bool sampleOn() const { return sampleOn_; }
    // The faded sample under the picture and its place on the canvas.
    const QImage& sample() const { return sample_; }
    QPoint samplePosition() const { return samplePosition_; }

    const PaintPicture& picture() const { return picture_; }
    const PaintPalette& palette() const { return palette_; }
    const PaintHistory& history() const { return history_; }
    PaintMode paintMode() const { return mode_; }
    int zoom() const { return controls_.zoomUpDown->value(); }
    bool reformOn() const { return reformOn_; }
    const PictureEditorControls& controls() const { return controls_; }

    // The canvas's events (view pixels), as the view delivers them.
    void Image1MouseDown(QMouseEvent* e);
    void Image1MouseMove(QMouseEvent* e);
    void Image1MouseUp(QMouseEvent* e);
    // Keys before the focused control; true when used.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // The wheel over the scroll box at pointer (viewport coordinates); false elsewhere.
    bool FormMouseWheel(QPoint pointer, int delta);
    void undoClick();
    void redoClick();
    void sbClearAllClick();
    // A click on a palette cell or a pen-style cell.
    void cellPressed(int cell);
    void penStylePressed(int style);
    void sbPalletClick();
    void sbSpoitClick();
    // A tool button was pressed: ペン, 線, 面 or 塗り.
    void toolClicked(PaintMode mode);

    // The zoomed canvas within the view, view pixels.
    QRect canvasView() const;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    // PaintEnvironment: the tools' side of the window.
    PaintViewScale scale() const override { return {zoom()}; }
    TFigure makeStroke(int kind, QPoint press, QPoint release, const TDynamicPtArray& points) const override;
    void paintPreview(Canvas& canvas, const QRect& exposed, int kind, QPoint press, QPoint current,
                      const TDynamicPtArray& live) const override;
    QRect previewBounds(int kind, QPoint press, QPoint current) const override;
    void strokeFinished(TFigure stroke) override;
    void invalidate(const QRegion& viewArea) override;

    // RangeHost: what lifting and putting down a range does to the picture.
    void rangeChanged() override;
    std::vector<FloatingPiece> liftRange(const PaintRange& range, bool ctrl) override;
    void showPiecesAtOldPlace(bool shown) override;
    void endMove(std::optional<QPoint> offset, bool copying) override;

    // The copied picture: shown from the clipboard's picture (or text), hidden, dragged, painted.
    bool showCopiedPicture(const QImage& picture);
    void hideCopiedPicture();
    bool pressOnShownPicture(QPoint at);
    QRect shownRect(const FloatingPicture& picture) const;
    // Draws a shown picture onto the canvas as a stroke (描画), with its flash.
    void drawShownPicture(FloatingPicture& picture, const QString& name);
    FloatingPicture* draggedPicture();
    // The dragged picture follows the pointer in whole canvas pixels, Shift locking an axis.
    void dragShownPicture(FloatingPicture& picture, QPoint at, Qt::KeyboardModifiers modifiers);
    // An arrow key's step of the current shown picture; false when none is shown.
    bool stepShownPicture(QPoint direction);
    bool pressOnHandle(QPoint at);
    void moveHandle(QPoint at);
    void releaseHandle();
    void paintHandles(Canvas& canvas) const;
    // The cursor over the canvas: the tool's and the palette's, or a handle's under the pointer.
    QCursor canvasCursor() const;
    // The cursor under the pointer: a handle's, the canvas's, or the arrow over the scroll box.
    void showPointerCursor(QPoint at);
    void showPicture(FloatingPicture& picture, const QImage& image);
    void paintShownPictures(Canvas& canvas) const;
    void connectPaste();
    void connectMenu();
    // The right-button menu's items as the range and the shown pictures allow.
    void popupStates();
    void showPopup(QPoint global);

    PaintEnvironment& environment() { return *this; }
    RangeTool* rangeTool() const;
    void connectRange();
    void updateModeLabels();
    // Cut and delete: the range erased (cut: copied first), one snapshot.
    void eraseRange(bool toClipboard);
    // The range's pixels (within its outline) from the working picture.
    QImage rangePixels(const PaintRange& range) const;
    void connectControls();
    void connectPalette();
    PaintTool* toolForMode();
    // The view: white, the picture stretched to the zoom, the grid, the tool's preview.
    void paintView(Canvas& canvas, const QRect& exposed);
    // The sample, the picture and the grid: the view under a tool's preview.
    void paintUnderPreview(Canvas& canvas, const QRect& exposed) const;
    // The part of the view in sight, and the pen a dragged pen line shows with.
    QRect visibleView() const;
    CanvasPen livePen() const;
    void paintGrid(Canvas& canvas) const;
    void applyZoom();
    // The view covers the scroll box, the canvas and the shown pictures with their handles.
    void fitView();
    void applyCanvasSize();
    void showCell(int cell);
    void showPalette();
    void endSpoit();
    void setReformState(bool reformable, bool on);
    void reformLastStroke();
    void commitPendingReform();
    void takeSnapshot();
    void showState(const PaintState& state);
    void updateHistoryButtons();
    void gridButtonToggled(bool down);
    void autoScrollStep();
    PaletteTool paletteToolOf(PaintMode mode) const;
    void connectFiles();
    // The opened picture becomes the base picture of a fresh canvas of its size, named path.
    void takePicture(const QImage& base, const QString& path);
    // Asks to save a modified picture; false when the user cancels (or the save failed).
    bool saveCheck();
    // The strokes, the base picture and the history go; the canvas size stays.
    void clearPicture();
    // Writes the working picture (the barrier white as pure white) and makes it the saved state.
    bool writeFile(const QString& path);
    void updateCaption();
    void placeSample(QPoint viewAt);
    void dropSample();
    // The working picture with pure white transparent, for the view over the sample.
    const QImage& workingOverSample() const;

    Prompts& prompts_;
    PictureEditorControls controls_;
    PaintPicture picture_;
    PaintPalette palette_;
    PaintHistory history_;
    PaintMode mode_ = PaintMode::Pen;
    std::unique_ptr<PaintTool> tool_;
    mutable CanvasPen livePen_; // the pen of the drag under way, at livePenZoom_ (0: none yet)
    mutable int livePenZoom_ = 0;
    mutable PenTrail trail_;              // the pen's line being dragged, as the view shows it
    PaintMode toolMode_ = PaintMode::Pen; // the mode tool_ was made for
    bool reformable_ = false;
    bool reformOn_ = false;
    bool reformPending_ = false;
    bool gridOn_ = false;
    int gridWidth_ = 24, gridHeight_ = 24;
    TColor gridColour_ = 0xC0C0C0;
    TFormShowMasu* gridDialog_ = nullptr;
    class QTimer* autoScrollTimer_ = nullptr;
    bool autoScrolled_ = false; // the last auto-scroll step moved the view
    QPoint lastPointer_;        // view pixels
    bool pointerOnBox_ = false; // the arrow shows: the pointer is beyond the canvas
    QString fileName_;
    QImage resultPicture_;
    TMyOpenPictureDialog MyOpenPictureDialog2;
    TMySavePictureDialog MySavePictureDialog2;
    TMyOpenPictureDialog MyOpenPictureDialog3;
    QImage sample_;
    QPoint samplePosition_; // canvas pixels
    bool sampleOn_ = false;
    PaintMode modeBeforeSample_ = PaintMode::Pen;
    PaintMode modeBeforeRange_ = PaintMode::Pen;
    QPoint pastePosition_; // view pixels: the range's corner at the last copy, cut or delete
    // A picture floating over the canvas: the picture, pure white transparent for the view, its place
    // and size on the canvas; while dragged, its view position.
    struct FloatingPicture {
        QImage picture, shown;
        QPoint canvasPos;
        QSize canvasSize;
        bool visible = false;
        bool dragging = false;
        QPoint grab, viewAt;
        bool drawn = true;               // the imported picture: drawn at least once since it came in
        QImage source;                   // what turns start from, while they follow each other
        double angle = 0;                // radians, since it was shown
        bool turned = false;             // the last transform was a turn
        bool transforming = false;       // a handle is dragged: viewRect is where it shows
        QRect viewRect;
        QSize independent;               // the imported picture's view size, which 独立 keeps through zooms
        QPoint pressAt, startAt;         // a drag's press point and the picture's view position then
        AxisLock lock;
    } paste_, face_;                     // the copied picture and the imported picture
    FloatingPicture* current_ = nullptr; // the one 原点移動 and the transforms act on
    Transform transform_ = Transform::None;
    int shownZoom_ = 100; // the zoom the view was last laid out at
    int handle_ = -1; // the handle being dragged
    QPoint handlePress_, rotateCentre_;
    QRect handleStart_;
    QPoint handleGrabAt_;               // where the dragged handle was pressed
    QRect handleGrabbed_, handleShown_; // the dragged handle then and now, view pixels
    QImage liftedShown_;                // the lifted range's piece as the view shows it floating
    QImage flash_;               // the red flash of a drawn picture, while it lasts
    QRect flashRect_;            // where it shows
    bool menuJustShown_ = false; // the next press of ペン or 塗り only closes the menu
    class TFormMoji* textDialog_ = nullptr;
    class TFormPictureSelect* importWindow_ = nullptr;
    QImage imported_; // the import window's last picture, at the size it is taken
    mutable QImage workingOverSample_;
    mutable qint64 workingOverSampleKey_ = 0;
};

} // namespace molvane
