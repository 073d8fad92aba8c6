// The picture editor's tracing sample (見本): a picture opened, placed by dragging, and shown washed out
// under the picture while the button is down. It is never part of the picture, its history or what OK
// hands over.

#include "picture_editor/tform_picture_editor.h"

#include "document/sample_picture.h"
#include "painting/sample_tool.h"
#include "picture_editor/picture_editor_texts.h"
#include "platform/picture_file.h"

namespace molvane {

void TFormPictureEditor::sbShowMihonToggled(bool down)
{
    if (!down) {
        dropSample();
        return;
    }
    const auto releaseButton = [this] {
        const QSignalBlocker quiet(controls_.sbShowMihon);
        controls_.sbShowMihon->setChecked(false);
    };
    if (!MyOpenPictureDialog3.Execute(prompts_)) {
        releaseButton();
        return;
    }
    const QString path = MyOpenPictureDialog3.FileName;
    const DecodedImage loaded = loadPictureFile(path);
    if (!loaded.ok()) {
        prompts_.message(pictureLoadMessage(path, loaded.error), MessageType::Error, MessageButtons::Ok);
        releaseButton();
        return;
    }
    commitPendingReform();
    if (tool_)
        tool_->cancel();
    // The loaded picture's bottom-left pixel is its transparent colour.
    const QImage& picture = loaded.image;
    sample_ = fadedSample(picture, picture.pixel(0, picture.height() - 1));
    sampleOn_ = false;
    modeBeforeSample_ = mode_ == PaintMode::SamplePlacing ? modeBeforeSample_ : mode_;
    mode_ = toolMode_ = PaintMode::SamplePlacing;
    // It floats at the top-left of the visible part of the view.
    const QPoint visible = controls_.view->mapFrom(controls_.scrollBox->viewport(), QPoint(0, 0));
    SampleTool::Host host;
    host.refused = [this] {
        prompts_.beep(BeepKind::Information);
        prompts_.message(QString::fromUtf8(paint_texts::kMihonImageHint), MessageType::Warning,
                         MessageButtons::Ok);
    };
    host.placed = [this](QPoint at) { placeSample(at); };
    tool_ = std::make_unique<SampleTool>(environment(), std::move(host), whiteAsTransparent(picture),
                                         QPoint(std::max(0, visible.x()), std::max(0, visible.y())));
}

void TFormPictureEditor::placeSample(QPoint viewAt)
{
    const PaintViewScale s = scale();
    samplePosition_ = s.toCanvas(viewAt);
    sampleOn_ = controls_.sbShowMihon->isChecked();
    // The tool of the mode before is made again at the next press.
    mode_ = modeBeforeSample_;
    controls_.view->update();
}

void TFormPictureEditor::dropSample()
{
    if (mode_ == PaintMode::SamplePlacing) {
        if (tool_)
            tool_->cancel();
        mode_ = modeBeforeSample_;
    }
    sample_ = QImage();
    sampleOn_ = false;
    workingOverSample_ = QImage();
    controls_.view->update();
}

const QImage& TFormPictureEditor::workingOverSample() const
{
    const QImage& working = picture_.working();
    if (workingOverSample_.isNull() || workingOverSampleKey_ != working.cacheKey()) {
        workingOverSample_ = whiteAsTransparent(working);
        workingOverSampleKey_ = working.cacheKey();
    }
    return workingOverSample_;
}

} // namespace molvane
