// The picture editor's copied picture: shown over the canvas from the clipboard's picture (or from
// typed text), dragged into place, drawn onto the picture as a stroke (with a short red flash) any
// number of times, moved to the corner, hidden.

#include "picture_editor/tform_picture_editor.h"

#include "painting/enclosed_white.h"
#include "painting/picture_frame.h"
#include "painting/range_strokes.h"
#include "painting/text_picture.h"
#include "picture_editor/picture_editor_texts.h"
#include "picture_editor/tform_moji.h"
#include "pictures/tform_picture_select.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QTimer>

namespace molvane {

namespace {

constexpr int kFlashMilliseconds = 300;

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

void TFormPictureEditor::connectPaste()
{
    PictureEditorControls& c = controls_;
    connect(c.sbPasteShow, &QToolButton::clicked, this, [this] { sbPasteShowClick(); });
    connect(c.sbPasteByouga, &QToolButton::clicked, this, [this] { sbPasteByougaClick(); });
    connect(c.sbGenten, &QToolButton::clicked, this, [this] { sbGentenClick(); });
    connect(c.sbMoji, &QToolButton::clicked, this, [this] { sbMojiClick(); });
    connect(c.sbFaceSelect, &QToolButton::clicked, this, [this] { sbFaceSelectClick(); });
}

QRect TFormPictureEditor::copiedPictureRect() const
{
    const PaintViewScale s = scale();
    const QPoint at = paste_.dragging ? paste_.viewAt : s.toScreen(paste_.canvasPos);
    return QRect(at, s.toScreen(paste_.canvasSize));
}

bool TFormPictureEditor::showCopiedPicture(const QImage& picture)
{
    if (picture.isNull())
        return false;
    const PaintViewScale s = scale();
    paste_.picture = picture.convertToFormat(QImage::Format_RGB32);
    paste_.shown = whiteAsTransparent(paste_.picture);
    paste_.canvasSize = paste_.picture.size();
    // Where the range was copied from, on the canvas.
    paste_.canvasPos = s.toCanvas(s.toScreen(s.toCanvas(pastePosition_)));
    paste_.visible = true;
    controls_.sbPasteShow->setChecked(true);
    controls_.sbPasteShow->setText(QStringLiteral("隠す"));
    controls_.view->update();
    return true;
}

void TFormPictureEditor::hideCopiedPicture()
{
    if (!paste_.visible)
        return;
    paste_.visible = false;
    paste_.dragging = false;
    controls_.sbPasteShow->setChecked(false);
    controls_.sbPasteShow->setText(QStringLiteral("表示"));
    controls_.view->update();
}

void TFormPictureEditor::sbPasteShowClick()
{
    if (paste_.visible) {
        hideCopiedPicture();
        return;
    }
    const QImage clipboard = QApplication::clipboard()->image();
    if (clipboard.isNull()) {
        controls_.sbPasteShow->setChecked(false);
        prompts_.beep(BeepKind::Information);
        prompts_.message(u(paint_texts::kNoCopiedPicture), MessageType::Warning, MessageButtons::Ok);
        return;
    }
    showCopiedPicture(clipboard);
}

void TFormPictureEditor::sbPasteByougaClick()
{
    if (!paste_.visible)
        return;
    commitPendingReform();
    if (RangeTool* tool = rangeTool())
        tool->clearRange();
    const PaintViewScale s = scale();
    const QRect at = copiedPictureRect();
    const QSize covered(s.toCanvas(at.width()), s.toCanvas(at.height()));
    if (covered.isEmpty())
        return;
    // The picture stretched to the canvas pixels it covers, on white.
    QImage piece(covered, QImage::Format_RGB32);
    piece.fill(Qt::white);
    {
        QPainter p(&piece);
        p.setRenderHint(QPainter::SmoothPixmapTransform, controls_.cbHalfTone->isChecked());
        p.drawImage(QRect(QPoint(0, 0), covered), paste_.picture);
    }
    // The eraser cell puts it down opaquely, white included.
    picture_.addStroke(pieceStroke(piece, s.toCanvas(at.topLeft()), palette_.strokeColour()));
    takeSnapshot();
    // A short red flash shows where it went.
    flash_ = piece.scaled(at.size());
    for (int y = 0; y < flash_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(flash_.scanLine(y));
        for (int x = 0; x < flash_.width(); ++x)
            line[x] &= 0xFFFF0000u;
    }
    controls_.view->update();
    QTimer::singleShot(kFlashMilliseconds, this, [this] {
        flash_ = QImage();
        controls_.view->update();
    });
}

void TFormPictureEditor::sbGentenClick()
{
    if (!paste_.visible)
        return;
    // To the top-left corner of what is in sight.
    paste_.canvasPos = scale().toCanvas(visibleView().topLeft());
    controls_.view->update();
}

void TFormPictureEditor::sbMojiClick()
{
    if (paste_.visible) {
        prompts_.beep(BeepKind::Information);
        prompts_.message(u(paint_texts::kHidePictureFirst), MessageType::Warning, MessageButtons::Ok);
        return;
    }
    if (!textDialog_)
        return;
    textDialog_->setFontButtonEnabled(true);
    if (textDialog_->exec() != QDialog::Accepted)
        return;
    const FontChoice& f = textDialog_->font();
    CanvasFont font;
    font.name = f.name;
    font.pointSize = f.pointSize;
    font.bold = f.bold;
    font.italic = f.italic;
    const QStringList lines = textDialog_->text().split(QLatin1Char('\n'));
    showCopiedPicture(textPicture(lines, font, textDialog_->lineSpacing()));
}

void TFormPictureEditor::sbFaceSelectClick()
{
    if (!importWindow_)
        return;
    if (RangeTool* tool = rangeTool())
        tool->clearRange();
    const bool accepted = importWindow_->exec() == QDialog::Accepted;
    controls_.status->clearMessage();
    if (!accepted || importWindow_->editPicture().isNull())
        return;
    // The size it was shown at, or its own.
    const QImage& cut = importWindow_->editPicture();
    const QSize size = importWindow_->shownSize()
                           ? QSize(importWindow_->toView(cut.width()), importWindow_->toView(cut.height()))
                           : cut.size();
    QImage taken(size, QImage::Format_RGB32);
    taken.fill(Qt::white);
    QPainter(&taken).drawImage(QRect(QPoint(0, 0), size), cut);
    if (controls_.cbChangeWhite->isChecked())
        convertEnclosedWhite(taken, picture_.whites().opaque);
    imported_ = taken;
}

bool TFormPictureEditor::pressOnCopiedPicture(QPoint at)
{
    if (!paste_.visible || !copiedPictureRect().contains(at))
        return false;
    paste_.viewAt = copiedPictureRect().topLeft();
    paste_.grab = at - paste_.viewAt;
    paste_.dragging = true;
    return true;
}

void TFormPictureEditor::paintShownPictures(Canvas& canvas) const
{
    if (!paste_.visible)
        return;
    const QRect r = copiedPictureRect();
    canvas.drawImage(r, flash_.isNull() ? paste_.shown : flash_);
    paintPictureFrame(canvas, r, PenStyle::Dash);
}

} // namespace molvane
