// The picture editor's range mode: 範囲 and its shapes, the mode labels, lifting and putting down a
// range, copy, cut, delete, trimming and select all. Every change is a stroke, so undo takes it back.

#include "picture_editor/tform_picture_editor.h"

#include "picture_editor/picture_editor_texts.h"
#include "platform/cursors.h"

#include <QApplication>
#include <QClipboard>

namespace molvane {

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

RangeTool* TFormPictureEditor::rangeTool() const
{
    return mode_ == PaintMode::RangeDrawing ? dynamic_cast<RangeTool*>(tool_.get()) : nullptr;
}

PaintRange TFormPictureEditor::range() const
{
    const RangeTool* tool = rangeTool();
    return tool && tool->phase() == RangeTool::Phase::Selected ? tool->range() : PaintRange{};
}

void TFormPictureEditor::connectRange()
{
    PictureEditorControls& c = controls_;
    connect(c.sbRange, &QToolButton::clicked, this, [this] { enterRangeMode(); });
    connect(c.rbRectRange, &QRadioButton::clicked, this, [this] { enterRangeMode(); });
    connect(c.rbFreeRange, &QRadioButton::clicked, this, [this] { enterRangeMode(); });
    connect(c.mmRange, &QAction::triggered, this, [this] { mmRangeClick(); });
    connect(c.sbCopy, &QToolButton::clicked, this, [this] { copyClick(); });
    connect(c.mmCopy, &QAction::triggered, this, [this] { copyClick(); });
    connect(c.sbCut, &QToolButton::clicked, this, [this] { cutClick(); });
    connect(c.mmCut, &QAction::triggered, this, [this] { cutClick(); });
    connect(c.sbDelete, &QToolButton::clicked, this, [this] { deleteClick(); });
    connect(c.mmDelete, &QAction::triggered, this, [this] { deleteClick(); });
    connect(c.sbTrimming, &QToolButton::clicked, this, [this] { trimmingClick(); });
    connect(c.mmSelectAll, &QAction::triggered, this, [this] { mmSelectAllClick(); });
    c.sbTrimming->setShortcut(QKeySequence(QStringLiteral("Ctrl+T")));
    updateModeLabels();
}

void TFormPictureEditor::enterRangeMode()
{
    endSpoit();
    if (mode_ == PaintMode::SamplePlacing)
        controls_.sbShowMihon->setChecked(false);
    commitPendingReform();
    if (tool_)
        tool_->cancel();
    if (mode_ != PaintMode::RangeDrawing)
        modeBeforeRange_ = mode_;
    mode_ = PaintMode::RangeDrawing;
    controls_.sbRange->setChecked(true);
    palette_.clearPaletteChosen();
    tool_.reset(); // a range tool of the chosen shape is made at the next press
    toolMode_ = PaintMode::Restoring;
    showPalette();
    updateModeLabels();
    controls_.view->update();
}

void TFormPictureEditor::mmRangeClick()
{
    if (mode_ != PaintMode::RangeDrawing) {
        enterRangeMode();
        return;
    }
    // Back to the tool that was down before range mode.
    QToolButton* before = modeBeforeRange_ == PaintMode::Line        ? controls_.sbLine
                          : modeBeforeRange_ == PaintMode::Fill      ? controls_.sbFloodFill
                          : modeBeforeRange_ == PaintMode::Rectangle ? controls_.sbCircle
                          : modeBeforeRange_ == PaintMode::Ellipse   ? controls_.sbCircle
                                                                     : controls_.sbPen;
    before->click();
}

void TFormPictureEditor::updateModeLabels()
{
    const bool ranging = mode_ == PaintMode::RangeDrawing;
    controls_.mmRange->setText(u(ranging ? paint_texts::kDrawModeItem : paint_texts::kRangeModeItem));
    // The current mode's label is highlighted: white on blue.
    const QString on = QStringLiteral("background: rgb(0, 0, 255); color: white;");
    const QString off = QStringLiteral("color: black;");
    controls_.lbRange->setStyleSheet(ranging ? on : off);
    controls_.lbByouga->setStyleSheet(ranging ? off : on);
}

void TFormPictureEditor::rangeChanged()
{
    controls_.view->update();
}

QImage TFormPictureEditor::rangePixels(const PaintRange& r) const
{
    const PaintViewScale s = scale();
    return extractRange(picture_.working(), rangeToCanvas(r.rect, s),
                        r.free ? outlineToCanvas(r.outline, s) : QPolygon());
}

std::vector<FloatingPiece> TFormPictureEditor::liftRange(const PaintRange& r, bool ctrl)
{
    commitPendingReform();
    const PaintViewScale s = scale();
    const QRect rect = rangeToCanvas(r.rect, s);
    const QPolygon outline = r.free ? outlineToCanvas(r.outline, s) : QPolygon();
    const QImage piece = extractRange(picture_.working(), rect, outline);
    picture_.addStroke(eraseStroke(rect, outline));
    // The range looks empty while its piece is dragged, unless Ctrl copies it.
    TFigure lifted = pieceStroke(piece, rect.topLeft(), palette_.cellColour(0));
    ctrl ? picture_.addStroke(std::move(lifted)) : picture_.addPictureStrokeHidden(std::move(lifted));
    picture_.selectLast();
    controls_.view->update();
    // The floating piece of the last lift is gone by now: its memory holds this one.
    whiteAsTransparent(piece, liftedShown_);
    return {{liftedShown_, rect.topLeft()}};
}

void TFormPictureEditor::showPiecesAtOldPlace(bool shown)
{
    picture_.render(!shown);
    controls_.view->update();
}

void TFormPictureEditor::endMove(std::optional<QPoint> offset, bool copying)
{
    // The working picture shows every stroke but the lifted pieces on top of the list, or every stroke
    // while Ctrl copies them: the moved pieces or their copies are drawn over it, as a full render would.
    const std::size_t tail = picture_.selectedTail();
    const bool onTop = tail < picture_.strokes().size();
    if (offset && onTop && copying) {
        const std::size_t copies = picture_.strokes().size();
        picture_.appendShiftedCopiesOfSelected(*offset);
        picture_.drawOver(copies);
    } else if (offset && onTop) {
        picture_.shiftSelected(*offset);
        picture_.drawOver(tail);
    } else {
        if (offset)
            copying ? picture_.appendShiftedCopiesOfSelected(*offset) : picture_.shiftSelected(*offset);
        picture_.render();
    }
    picture_.deselectAll();
    controls_.view->update();
    // A release where the press was changes nothing to be seen, and takes no step.
    if (offset)
        takeSnapshot();
}

void TFormPictureEditor::copyClick()
{
    const PaintRange r = range();
    if (!r.exists())
        return;
    pastePosition_ = r.rect.topLeft();
    QApplication::clipboard()->setImage(rangePixels(r));
    rangeTool()->clearRange();
}

void TFormPictureEditor::eraseRange(bool toClipboard)
{
    const PaintRange r = range();
    if (!r.exists())
        return;
    commitPendingReform();
    pastePosition_ = r.rect.topLeft();
    if (toClipboard)
        QApplication::clipboard()->setImage(rangePixels(r));
    const PaintViewScale s = scale();
    picture_.addStroke(
        eraseStroke(rangeToCanvas(r.rect, s), r.free ? outlineToCanvas(r.outline, s) : QPolygon()));
    takeSnapshot();
    rangeTool()->clearRange();
    controls_.view->update();
}

void TFormPictureEditor::cutClick()
{
    eraseRange(true);
}

void TFormPictureEditor::deleteClick()
{
    eraseRange(false);
}

void TFormPictureEditor::trimmingClick()
{
    const PaintRange r = range();
    if (!r.exists())
        return;
    if (paste_.visible || face_.visible) {
        prompts_.beep(BeepKind::Information);
        prompts_.message(u(paint_texts::kClosePasteFrame), MessageType::Warning, MessageButtons::Ok);
        return;
    }
    commitPendingReform();
    const QImage piece = rangePixels(r);
    picture_.addStroke(eraseStroke(QRect(QPoint(0, 0), picture_.size())));
    picture_.addStroke(pieceStroke(piece, QPoint(0, 0), palette_.cellColour(0)));
    rangeTool()->clearRange();
    {
        // The canvas takes the piece's size; the picture is rendered at it once.
        const QSignalBlocker quietWidth(controls_.udWidth), quietHeight(controls_.udHeight);
        controls_.udWidth->setValue(piece.width());
        controls_.udHeight->setValue(piece.height());
    }
    picture_.resize(QSize(controls_.udWidth->value(), controls_.udHeight->value()));
    applyZoom();
    takeSnapshot();
}

void TFormPictureEditor::mmSelectAllClick()
{
    if (mode_ != PaintMode::RangeDrawing)
        enterRangeMode();
    RangeTool* tool = dynamic_cast<RangeTool*>(toolForMode());
    if (!tool)
        return;
    // A drag over the whole view, made without the user's pointer.
    tool->clearRange();
    const QPoint far = canvasView().bottomRight() + QPoint(1, 1);
    tool->press({QPoint(0, 0), Qt::NoModifier});
    tool->move({far, Qt::NoModifier});
    tool->release({far, Qt::NoModifier});
}

} // namespace molvane
