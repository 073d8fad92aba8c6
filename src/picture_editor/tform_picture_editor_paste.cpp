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
    connect(c.sbFaceShow, &QToolButton::clicked, this, [this] { sbFaceShowClick(); });
    connect(c.sbFaceByouga, &QToolButton::clicked, this, [this] { sbFaceByougaClick(); });
    connect(c.rbBairituHendou, &QRadioButton::clicked, this, [this] {
        fitView();
        controls_.view->update();
    });
    connect(c.rbBairituKotei, &QRadioButton::clicked, this, [this] {
        fitView();
        controls_.view->update();
    });
}

QRect TFormPictureEditor::shownRect(const FloatingPicture& picture) const
{
    if (picture.transforming)
        return picture.viewRect.normalized();
    const PaintViewScale s = scale();
    const QPoint at = picture.dragging ? picture.viewAt : s.toScreen(picture.canvasPos);
    // 独立: the imported picture keeps its size on screen whatever the zoom.
    if (&picture == &face_ && controls_.rbBairituKotei->isChecked() && face_.independent.isValid())
        return QRect(at, face_.independent);
    return QRect(at, s.toScreen(picture.canvasSize));
}

bool TFormPictureEditor::showCopiedPicture(const QImage& picture)
{
    if (picture.isNull())
        return false;
    const PaintViewScale s = scale();
    showPicture(paste_, picture.convertToFormat(QImage::Format_RGB32));
    paste_.turned = false;
    paste_.angle = 0;
    current_ = &paste_;
    paste_.canvasSize = paste_.picture.size();
    // Where the range was copied from, on the canvas.
    paste_.canvasPos = s.toCanvas(s.toScreen(s.toCanvas(pastePosition_)));
    paste_.visible = true;
    controls_.sbPasteShow->setChecked(true);
    controls_.sbPasteShow->setText(QStringLiteral("隠す"));
    fitView();
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
    drawShownPicture(paste_, {});
}

void TFormPictureEditor::drawShownPicture(FloatingPicture& shown, const QString& name)
{
    if (!shown.visible)
        return;
    commitPendingReform();
    if (RangeTool* tool = rangeTool())
        tool->clearRange();
    const PaintViewScale s = scale();
    const QRect at = shownRect(shown);
    const QSize covered(s.toCanvas(at.width()), s.toCanvas(at.height()));
    if (covered.isEmpty())
        return;
    // The picture stretched to the canvas pixels it covers, on white.
    QImage piece(covered, QImage::Format_RGB32);
    piece.fill(Qt::white);
    {
        QPainter p(&piece);
        p.setRenderHint(QPainter::SmoothPixmapTransform, controls_.cbHalfTone->isChecked());
        p.drawImage(QRect(QPoint(0, 0), covered), shown.picture);
    }
    // The eraser cell puts it down opaquely, white included.
    picture_.addStroke(pieceStroke(piece, s.toCanvas(at.topLeft()), palette_.strokeColour(), name));
    takeSnapshot();
    shown.drawn = true;
    // A short red flash shows where it went.
    flash_ = piece.scaled(at.size());
    for (int y = 0; y < flash_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(flash_.scanLine(y));
        for (int x = 0; x < flash_.width(); ++x)
            line[x] &= 0xFFFF0000u;
    }
    flashRect_ = at;
    controls_.view->update();
    QTimer::singleShot(kFlashMilliseconds, this, [this] {
        flash_ = QImage();
        controls_.view->update();
    });
}

void TFormPictureEditor::sbGentenClick()
{
    FloatingPicture* moved = current_ && current_->visible ? current_ : paste_.visible ? &paste_ : nullptr;
    if (!moved)
        return;
    // To the top-left corner of what is in sight.
    moved->canvasPos = scale().toCanvas(visibleView().topLeft());
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
    // It floats centred in the scroll box, one screen pixel per picture pixel.
    const PaintViewScale s = scale();
    showPicture(face_, taken);
    face_.turned = false;
    face_.angle = 0;
    face_.canvasSize = QSize(s.toCanvas(size.width()), s.toCanvas(size.height()));
    const QSize box = controls_.scrollBox->viewport()->size();
    const QSize shownSize = s.toScreen(face_.canvasSize);
    const QPoint left((box.width() - shownSize.width()) / 2, (box.height() - shownSize.height()) / 2);
    face_.canvasPos = s.toCanvas(controls_.view->mapFrom(controls_.scrollBox->viewport(), left));
    face_.independent = size;
    face_.visible = true;
    face_.drawn = false;
    transform_ = Transform::None; // shown anew: moved by dragging, no handles
    current_ = &face_;
    controls_.sbFaceShow->setText(QStringLiteral("隠す"));
    fitView();
    controls_.view->update();
}

void TFormPictureEditor::sbFaceShowClick()
{
    if (face_.picture.isNull())
        return;
    face_.visible = !face_.visible;
    face_.dragging = false;
    controls_.sbFaceShow->setText(face_.visible ? QStringLiteral("隠す") : QStringLiteral("表示"));
    if (face_.visible)
        current_ = &face_;
    fitView();
    controls_.view->update();
}

void TFormPictureEditor::sbFaceByougaClick()
{
    drawShownPicture(face_, importWindow_ ? importWindow_->fileName() : QString());
}

bool TFormPictureEditor::pressOnShownPicture(QPoint at)
{
    // The imported picture lies over the copied one.
    for (FloatingPicture* shown : {&face_, &paste_}) {
        if (!shown->visible || !shownRect(*shown).contains(at))
            continue;
        shown->viewAt = shown->startAt = shownRect(*shown).topLeft();
        shown->grab = at - shown->viewAt;
        shown->pressAt = at;
        shown->lock.reset(at);
        shown->dragging = true;
        current_ = shown;
        transform_ = Transform::None; // a press on the picture takes its handles away
        return true;
    }
    return false;
}

void TFormPictureEditor::dragShownPicture(FloatingPicture& shown, QPoint at, Qt::KeyboardModifiers modifiers)
{
    const QPoint to = (modifiers & Qt::ShiftModifier) ? shown.lock.apply(at) : at;
    // Whole canvas pixels: the offset goes to the canvas and back.
    const PaintViewScale s = scale();
    const QPoint delta = to - shown.pressAt;
    shown.viewAt =
        shown.startAt + QPoint(s.toScreen(s.toCanvas(delta.x())), s.toScreen(s.toCanvas(delta.y())));
}

bool TFormPictureEditor::stepShownPicture(QPoint direction)
{
    FloatingPicture* shown = current_ && current_->visible ? current_
                             : face_.visible               ? &face_
                             : paste_.visible              ? &paste_
                                                           : nullptr;
    if (!shown)
        return false;
    // The smallest step that moves it by a canvas pixel.
    const PaintViewScale s = scale();
    int step = 1;
    while (s.toScreen(s.toCanvas(step)) < 1)
        ++step;
    shown->canvasPos = s.toCanvas(shownRect(*shown).topLeft() + direction * step);
    fitView();
    controls_.view->update();
    return true;
}

TFormPictureEditor::FloatingPicture* TFormPictureEditor::draggedPicture()
{
    return face_.dragging ? &face_ : paste_.dragging ? &paste_ : nullptr;
}

void TFormPictureEditor::paintShownPictures(Canvas& canvas) const
{
    if (paste_.visible) {
        const QRect r = shownRect(paste_);
        canvas.drawImage(r, !flash_.isNull() && flashRect_ == r ? flash_ : paste_.shown);
        if (!paste_.transforming) // a handle's drag hides the frame
            paintPictureFrame(canvas, r, PenStyle::Dash);
    }
    if (face_.visible) {
        const QRect r = shownRect(face_);
        canvas.drawImage(r, !flash_.isNull() && flashRect_ == r ? flash_ : face_.shown);
        if (!face_.transforming)
            paintPictureFrame(canvas, r, PenStyle::Solid);
    }
    paintHandles(canvas);
}

} // namespace molvane
