#include "picture_editor/tform_picture_editor.h"

#include "painting/paint_whites.h"
#include "painting/stroke_tool.h"
#include "picture_editor/picture_editor_builder.h"
#include "picture_editor/picture_editor_texts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QWheelEvent>

namespace molvane {

TFormPictureEditor::TFormPictureEditor(Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts),
      palette_(PaletteWhites{picture_.whites().opaque, picture_.whites().barrier}, probeDeviceColour)
{
    setObjectName(QStringLiteral("FormPictureEditor"));
    setWindowTitle(QString::fromUtf8(paint_texts::kCaption));
    resize(1000, 720);
    controls_ = buildPictureEditor(*this);
    controls_.view->setPainter([this](Canvas& canvas, const QRect& exposed) { paintView(canvas, exposed); });
    connectControls();
    connectPalette();
    connectFiles();
    connectRange();
    connectPaste();
    connectMenu();
    showPalette();
    history_.reset(picture_.size());
    history_.recordSavedState(picture_.size(), picture_.strokes());
    setReformState(false, false);
    updateHistoryButtons();
    applyZoom();
    autoScrollTimer_ = new QTimer(this);
    autoScrollTimer_->setInterval(15);
    connect(autoScrollTimer_, &QTimer::timeout, this, [this] { autoScrollStep(); });
}

TFormPictureEditor::~TFormPictureEditor()
{
    qApp->removeEventFilter(this);
}

void TFormPictureEditor::connectControls()
{
    PictureEditorControls& c = controls_;
    connect(c.view, &PaintView::mousePressed, this, [this](QMouseEvent* e) { Image1MouseDown(e); });
    connect(c.view, &PaintView::mouseMoved, this, [this](QMouseEvent* e) { Image1MouseMove(e); });
    connect(c.view, &PaintView::mouseReleased, this, [this](QMouseEvent* e) { Image1MouseUp(e); });
    connect(c.sbPen, &QToolButton::clicked, this, [this] { toolClicked(PaintMode::Pen); });
    connect(c.sbLine, &QToolButton::clicked, this, [this] { toolClicked(PaintMode::Line); });
    const auto face = [this] {
        controls_.sbCircle->setChecked(true);
        toolClicked(controls_.rbRect->isChecked() ? PaintMode::Rectangle : PaintMode::Ellipse);
    };
    connect(c.sbCircle, &QToolButton::clicked, this, face);
    connect(c.rbRect, &QRadioButton::clicked, this, face);
    connect(c.rbEllip, &QRadioButton::clicked, this, face);
    connect(c.sbFloodFill, &QToolButton::clicked, this, [this] { toolClicked(PaintMode::Fill); });
    connect(c.udPen, &TUpDown::clicked, this, [this] { reformLastStroke(); });
    connect(c.udLine, &TUpDown::clicked, this, [this] { reformLastStroke(); });
    c.pnLastReform->installEventFilter(this);
    connect(c.sbUndo, &QToolButton::clicked, this, [this] { undoClick(); });
    connect(c.sbRedo, &QToolButton::clicked, this, [this] { redoClick(); });
    connect(c.mmUndo, &QAction::triggered, this, [this] { undoClick(); });
    connect(c.mmRedo, &QAction::triggered, this, [this] { redoClick(); });
    connect(c.sbClearAll, &QToolButton::clicked, this, [this] { sbClearAllClick(); });
    connect(c.sbShowMasu, &QToolButton::toggled, this, [this](bool down) { gridButtonToggled(down); });
    connect(c.zoomUpDown, &TUpDown::valueChanged, this, [this] { applyZoom(); });
    connect(c.cbIncrement, &QCheckBox::toggled, this, [this](bool down) {
        controls_.cbIncrement->setText(down ? QStringLiteral("±10") : QStringLiteral("±1"));
        controls_.zoomUpDown->setIncrement(down ? 10 : 1);
    });
    connect(c.bt100, &QPushButton::clicked, this, [this] { controls_.zoomUpDown->setValue(100); });
    connect(c.udWidth, &TUpDown::valueChanged, this, [this] { applyCanvasSize(); });
    connect(c.udHeight, &TUpDown::valueChanged, this, [this] { applyCanvasSize(); });
    c.scrollBox->viewport()->installEventFilter(this);
    c.view->installEventFilter(this);
}

bool TFormPictureEditor::event(QEvent* e)
{
    // Every control's hint shows in the editor's own status bar while it is shown.
    if (e->type() == QEvent::StatusTip) {
        controls_.status->showMessage(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QDialog::event(e);
}

void TFormPictureEditor::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    qApp->installEventFilter(this); // the keys reach the editor before its controls
    controls_.view->update();
}

bool TFormPictureEditor::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == controls_.pnLastReform) {
        // The panel's bevel is lowered while the button is held on it.
        if (e->type() == QEvent::MouseButtonPress) {
            controls_.pnLastReform->setFrameShadow(QFrame::Sunken);
            if (reformable_)
                setReformState(true, !reformOn_);
            return true;
        }
        if (e->type() == QEvent::MouseButtonRelease) {
            controls_.pnLastReform->setFrameShadow(QFrame::Raised);
            return true;
        }
    }
    if (e->type() == QEvent::Resize && watched == controls_.scrollBox->viewport())
        fitView();
    if (e->type() == QEvent::Wheel &&
        (watched == controls_.view || watched == controls_.scrollBox->viewport())) {
        auto* wheel = static_cast<QWheelEvent*>(e);
        const QPoint pointer =
            controls_.scrollBox->viewport()->mapFromGlobal(wheel->globalPosition().toPoint());
        return FormMouseWheel(pointer, wheel->angleDelta().y());
    }
    if (e->type() == QEvent::KeyPress && isVisible()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && widget == QApplication::focusWidget() &&
            !qobject_cast<QLineEdit*>(widget)) {
            auto* key = static_cast<QKeyEvent*>(e);
            // A held Shift restarts an axis lock once, not on every repeat.
            if (key->isAutoRepeat() && key->key() == Qt::Key_Shift)
                return false;
            return FormKeyDown(key->key(), key->modifiers());
        }
    }
    return QDialog::eventFilter(watched, e);
}

} // namespace molvane
