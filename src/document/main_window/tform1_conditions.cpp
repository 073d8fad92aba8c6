// Tools, drawing conditions and the commands of the main window that act on them.

#include "document/canvas_geometry.h"
#include "document/main_window/layout_metrics.h"
#include "document/main_window/main_window_texts.h"
#include "document/main_window/tform1.h"
#include "editing/selection.h"
#include "platform/cursors.h"
#include "settings/tform3.h"

namespace molvane {

namespace {

constexpr TColor kReformReady = 0x7FFFBF;    // light green
constexpr TColor kReformNotReady = 0xCFCFFF; // light red
constexpr int kResetPrecision = 4;
constexpr int kDefaultFontPoints = 36;

QString u(const char* text) { return QString::fromUtf8(text); }

} // namespace

void TForm1::selectToolSettings(EditMode m)
{
    ui_.widthUpDown->setRange(0, 50);
    const bool picture = m == EditMode::PicturePlacing;
    if (m == EditMode::Text || picture)
        ui_.shapeUpDown->setRange(-100, 100);
    else if ((m >= EditMode::Double && m <= EditMode::Stereo) || m == EditMode::Fill || m == EditMode::RangeDrawing)
        ui_.shapeUpDown->setRange(-50, 50);
    else
        ui_.shapeUpDown->setRange(0, 50);
    const bool widthOn = m != EditMode::Text && m != EditMode::Stereo && m != EditMode::Fill && !picture;
    const bool shapeOn = m != EditMode::Single && m != EditMode::Free && m != EditMode::Fill;
    for (QWidget* w : {static_cast<QWidget*>(ui_.widthUpDown), static_cast<QWidget*>(ui_.widthEdit)})
        w->setEnabled(widthOn);
    for (QWidget* w : {static_cast<QWidget*>(ui_.shapeUpDown), static_cast<QWidget*>(ui_.shapeEdit)})
        w->setEnabled(shapeOn);
    ui_.sbPlusMinus->setEnabled(shapeOn && m != EditMode::Orbital && m != EditMode::Circle);

    if (hasOwnConditions(m) || picture) {
        const ToolSettings& t = toolSettings_.at(int(m));
        ui_.shapeUpDown->setValue(picture ? 0 : t.shape);
        ui_.widthUpDown->setValue(picture ? 0 : t.width);
        style_.leftStyle = t.leftStyle;
        style_.rightStyle = t.rightStyle;
        style_.penColor = t.penColor;
        style_.brushColor = t.brushColor;
        view_->setCursor(cursorFor(crArrow));
    } else if (m == EditMode::Fill) {
        view_->setCursor(cursorFor(crFlood));
    } else if (isRangeMode(m)) {
        const bool free = ui_.toolButtons.value(kFreeRangeTag) && ui_.toolButtons.value(kFreeRangeTag)->isChecked();
        view_->setCursor(cursorFor(free ? crRange2 : crRange));
    }
}

void TForm1::setLastReformPanel(bool exists, bool armed)
{
    lastFigureExists_ = exists;
    lastReformArmed_ = armed;
    QPalette palette = ui_.pnLastReform->palette();
    palette.setColor(QPalette::Window, toQColor(exists && armed ? kReformReady : kReformNotReady));
    ui_.pnLastReform->setPalette(palette);
}

void TForm1::toolButtonClicked(int tag)
{
    // Selecting and filling need something to act on: on an empty drawing the previous tool stays.
    const bool selection = tag == kRectRangeTag || tag == kFreeRangeTag || tag == kIndividualTag;
    if ((tag == fkNuri || selection) && drawing_.figures.empty()) {
        // The tool before stays: a character button or the short text stand for the text tool.
        auto* last = static_cast<QToolButton*>(lastToolButton_);
        ui_.toolButtons.values().contains(last) ? last->setChecked(true) : ui_.toolButtons[fkMoji]->setChecked(true);
        return;
    }
    const EditMode mode = modeOfTag(tag);
    settleReform(true);
    keys_.stop();
    tools_.selection().dropMove();
    style_.currentLineStyle = style_.rightStyleFlag ? style_.rightStyle : style_.leftStyle;
    returnMode_ = mode;
    drawing_.clearSelection();
    tools_.selection().clearRange();
    if (mode != mode_)
        setLastReformPanel(true, false);
    mode_ = mode;
    if (mode == EditMode::Individual)
        showAllFrames(drawing_.figures, true);
    view_->update();
    // The new tool's own styles first, then the one its click chose.
    selectToolSettings(mode);
    style_.currentLineStyle = style_.rightStyleFlag ? style_.rightStyle : style_.leftStyle;
    if (!selection)
        lastToolButton_ = ui_.toolButtons.value(tag);
    updateCanvasHintForTool();
    updateStatusPosition(tools_.pointer());
}

void TForm1::sbPosFuncClick()
{
    ui_.sbPosFunc->setProperty("tag", ui_.sbPosFunc->property("tag").toInt() == 1 ? 0 : 1);
    layoutPanels();
}

void TForm1::layoutPanels()
{
    const bool toolsFirst = ui_.sbPosFunc->property("tag").toInt() == 1;
    QWidget* first = toolsFirst ? ui_.toolPanel : ui_.reformPanel;
    QWidget* second = toolsFirst ? ui_.reformPanel : ui_.toolPanel;
    const int height = std::max(ui_.toolPanel->sizeHint().height(), ui_.reformPanel->sizeHint().height());
    first->setGeometry(kPanelLeft, 0, first->sizeHint().width(), height);
    second->setGeometry(first->geometry().right() + 2, 0, second->sizeHint().width(), height);
    ui_.sbPosFunc->move(second->geometry().right() + 6, (height - ui_.sbPosFunc->height()) / 2);
    ui_.sbPosFunc->setText(toolsFirst ? u("←") : u("→"));
    ui_.pnOperation->setFixedHeight(height);
}

void TForm1::sbSetupClick()
{
    if (!environmentDialog_)
        return;
    const auto* setup = findChild<QToolButton*>(QStringLiteral("sbSetup"));
    environmentDialog_->setWindowTitle(setup->toolTip().section(u(texts::kHintSeparator), 0, 0));
    environmentDialog_->setPartPicFolder(files_.partPicFolder());
    environmentDialog_->showSettings(drawing_.settings);
    if (environmentDialog_->exec() != QDialog::Accepted)
        return;
    QString folder = files_.partPicFolder();
    environmentDialog_->applyTo(drawing_.settings, folder, folders_.partPictures);
    recovery_.setInterval(drawing_.settings.recoveryInterval);
    if (folder != files_.partPicFolder()) {
        files_.setPartPicFolder(folder);
        // The partial-picture dialogs start in the user's folder from now on.
        fileDialogs.MyOpenPictureDialog1.InitialDir = fileDialogs.MySavePictureDialog1.InitialDir = folder;
        fileDialogs.MyOpenPictureDialog3.InitialDir = folder;
    }
    // The cross-hair setting takes effect in a range selection entered again.
    if (isRangeMode(mode_))
        pressSelectionButton(ui_.toolButtons[kRectRangeTag]->isChecked() ? kRectRangeTag : kFreeRangeTag);
    view_->update();
}

void TForm1::mmInitParamClick() { resetDrawingConditions(true); }

void TForm1::resetDrawingConditions(bool ask)
{
    if (ask) {
        prompts_.beep(BeepKind::Warning);
        if (prompts_.message(u(texts::kInitParamQuestion), MessageType::Confirmation, MessageButtons::YesCancel) !=
            Answer::Yes)
            return;
    } else {
        ui_.zoomUpDown->setValue(kDefaultZoom);
        ui_.udWidth->setValue(kDefaultCanvasWidth);
        ui_.udHeight->setValue(kDefaultCanvasHeight);
        applyCanvasSize();
    }
    ui_.zoomUpDown->setValue(kDefaultZoom);
    setZoomValue(kDefaultZoom);
    ui_.precisionUpDown->setValue(kResetPrecision);
    drawing_.clearSelection();
    setLastReformPanel(false, false);
    drawing_.pendingChange = false;

    EnvironmentSettings& s = drawing_.settings;
    s.showMasu = true;
    s.masuHaba = 24;
    s.showSeidoCursor = true;
    s.crossCursorMode = 2;
    s.smallMoveOneDot = true;

    style_.penColor = clBlack;
    style_.brushColor = clSilver;
    style_.font = CanvasFont{u("ＭＳ Ｐゴシック"), kDefaultFontPoints, false, false, clBlack};
    style_.fillColor = clSilver;
    style_.leftStyle = 0;
    style_.rightStyle = 1;
    style_.currentLineStyle = 0;
    toolSettings_.reset();
    selectToolSettings(mode_);
    view_->update();
}

void TForm1::popupStates()
{
    ui_.popupUndo->setEnabled(drawing_.canUndo());
    ui_.popupRedo->setEnabled(drawing_.canRedo());
    selectionPopupStates();
    clipboard_.popupStates();
    pictures_.popupStates();
}

void TForm1::undoClick()
{
    settleReform(true); // so that the reforms themselves can be undone
    if (pasteFrameShown()) {
        // Undo takes back the paste that is still waiting: nothing is placed.
        clipboard_.hidePasteFrame();
        mode_ = returnMode_;
        view_->update();
        return;
    }
    popupStates();
    if (!ui_.popupUndo->isEnabled())
        return;
    drawing_.undo(prompts_);
    setLastReformPanel(false, false);
    view_->update();
}

void TForm1::redoClick()
{
    popupStates();
    if (!ui_.popupRedo->isEnabled())
        return;
    drawing_.redo(prompts_);
    setLastReformPanel(false, false);
    view_->update();
}

} // namespace molvane
