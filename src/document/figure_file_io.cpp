#include "document/figure_file_io.h"

#include "document/drawing_work.h"
#include "document/figure_stream.h"
#include "platform/atomic_file.h"
#include "platform/image_codec_result.h"
#include "platform/input_file.h"

#include <QFileInfo>

namespace molvane {

namespace {

void reportFileError(Prompts& prompts, const QString& text, const QString& why)
{
    prompts.message(why.isEmpty() ? text : text + QStringLiteral("\n") + why, MessageType::Error, MessageButtons::Ok);
}

void showRegion(Prompts& prompts, const FigureRegion& region)
{
    prompts.beep(BeepKind::Information);
    prompts.message(regionMessage(region), MessageType::Information, MessageButtons::Ok);
}

// A whole drawing keeps its figures as stored, tip connections included (placing a paste would drop
// them), and its fills keep the surroundings they were saved with.
void joinDrawing(Drawing& drawing, const FigureRegion& region)
{
    for (TFigure& f : drawing.pasteList) {
        shiftFigure(f, region.left, region.top);
        drawing.figures.push_back(std::move(f));
    }
    drawing.pasteList.clear();
    drawing.clearSelection();
    drawing.setCanvasSize(canvasSizeWithinRange({region.left + region.width, region.top + region.height}));
    drawing.rebuildBitmap();
}

// The canvas a region makes, (RL + RW) x (RT + RH), must be one the program can hold: a positive
// size, a corner not left of or above the origin, the far edges within the largest picture.
bool usableRegion(const FigureRegion& r)
{
    const auto fits = [](std::int64_t start, std::int64_t size) {
        return start >= 0 && size > 0 && start + size <= kMaxPictureDimension;
    };
    return fits(r.left, r.width) && fits(r.top, r.height);
}

// When RW or RH does not fit, both take the default canvas size; then a corner that still does not
// fit becomes 0.
FigureRegion repairedRegion(FigureRegion r)
{
    // A zero width or height gives the whole default canvas, as files of old have it.
    if (r.width == 0 || r.height == 0) {
        r.width = kDefaultCanvasWidth;
        r.height = kDefaultCanvasHeight;
    }
    const auto sizeFits = [](std::int32_t size) { return size > 0 && size <= kMaxPictureDimension; };
    if (!sizeFits(r.width) || !sizeFits(r.height)) {
        r.width = kDefaultCanvasWidth;
        r.height = kDefaultCanvasHeight;
    }
    if (r.left < 0 || std::int64_t(r.left) + r.width > kMaxPictureDimension)
        r.left = 0;
    if (r.top < 0 || std::int64_t(r.top) + r.height > kMaxPictureDimension)
        r.top = 0;
    return r;
}

// A partial file's region is a range selected on a canvas: its picture is no larger than the largest
// canvas.
FigureRegion partialRegionWithinRange(FigureRegion r)
{
    r.width = std::min(r.width, kMaxCanvasSize.width());
    r.height = std::min(r.height, kMaxCanvasSize.height());
    return r;
}

// A file whose figures would keep the editor busy for many seconds is drawn only when the user agrees
// to wait; where nobody can answer (the command line), it is not drawn at all.
bool longDrawingAgreed(const DecodedFigureFile& file, FigureFileMode mode, const QString& path,
                       const RenderSettings& settings, Prompts& prompts)
{
    if (mode == FigureFileMode::RegionOnly)
        return true;
    const FigureRegion& r = file.region;
    // A whole drawing's figures move by (RL, RT) onto its canvas; a partial file's may be placed anywhere.
    const QRect bounds =
        mode == FigureFileMode::Whole
            ? QRect(QPoint(-r.left, -r.top), canvasSizeWithinRange({r.left + r.width, r.top + r.height}))
            : QRect(QPoint(0, 0), kMaxCanvasSize);
    if (forecastSeconds(paintingWorkOf(file.figures, bounds, settings)) <= kLongDrawingSeconds)
        return true;
    return prompts.message(QStringLiteral("%1 の図形は描画に長い時間がかかります。開きますか。").arg(path),
                           MessageType::Confirmation, MessageButtons::YesNo) == Answer::Yes;
}

} // namespace

bool readFigureFileBytes(const QString& path, QByteArray& bytes, QString& why)
{
    InputFile file;
    const bool read = file.open(path) && file.readUpTo(kFigureFileHeaderBytes + 4, bytes) &&
                      file.readUpTo(figureFileBytesToRead(bytes) - bytes.size(), bytes);
    if (!read)
        why = file.error();
    return read;
}

QString regionMessage(const FigureRegion& r)
{
    return QStringLiteral("RW=%1, RH=%2, RL=%3, RT=%4").arg(r.width).arg(r.height).arg(r.left).arg(r.top);
}

bool readFigureFile(Drawing& drawing, const QString& path, FigureFileMode mode, Prompts& prompts)
{
    QByteArray bytes;
    QString why;
    if (!readFigureFileBytes(path, bytes, why)) {
        reportFileError(prompts, QStringLiteral("ファイル %1 を開けません。").arg(path), why);
        return false;
    }
    DecodedFigureFile file = decodeFigureFile(bytes);
    if (!file.headerOk) {
        reportInternalDataError(prompts);
        return false;
    }
    if (!usableRegion(file.region)) {
        showRegion(prompts, file.region);
        file.region = repairedRegion(file.region);
    }
    if (mode == FigureFileMode::Partial)
        file.region = partialRegionWithinRange(file.region);
    if (!longDrawingAgreed(file, mode, path, drawing.renderSettings(), prompts))
        return false;
    if (!file.background.isNull())
        drawing.background = file.background;
    for (TFigure& f : file.figures)
        drawing.pasteList.push_back(std::move(f));
    if (!file.ok()) {
        reportInternalDataError(prompts);
        return false;
    }
    switch (mode) {
    case FigureFileMode::Whole: joinDrawing(drawing, file.region); break;
    case FigureFileMode::Partial:
        drawing.pasteImage = partialFileImage(drawing.pasteList, {file.region.width, file.region.height},
                                              drawing.renderSettings());
        break;
    case FigureFileMode::RegionOnly: break;
    }
    drawing.keptRegion = file.region;
    return true;
}

QImage partialFileImage(const FigureList& figures, QSize size, const RenderSettings& settings)
{
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(toQRgb(clWhite));
    Canvas canvas(image);
    for (const TFigure& f : figures)
        if (f.kind != fkNuri) // a fill would run over the whole frame
            renderFigure(f, {canvas, false, 100, settings});
    canvas.setPen({clRed, 1, PenStyle::Dot});
    canvas.setBrush({clRed, BrushStyle::Clear});
    canvas.rectangle({1, 1}, {size.width() - 1, size.height() - 1}); // the last pixels inside the frame
    return image;
}

namespace {

QString withDefaultExtension(const QString& path, FigureFileMode mode)
{
    if (mode == FigureFileMode::RegionOnly || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + (mode == FigureFileMode::Whole ? QStringLiteral(".fga") : QStringLiteral(".fgb"));
}

// Characters CP932 cannot hold would silently become "?": say which before the file is written.
void warnUnmappable(const FigureList& figures, Prompts& prompts)
{
    const QString lost = unmappableFigureText(figures);
    if (lost.isEmpty())
        return;
    prompts.message(QStringLiteral("次の文字はファイルに保存できないため「?」として保存されます。\r\n%1").arg(lost),
                    MessageType::Warning, MessageButtons::Ok);
}

} // namespace

std::optional<QString> writeFigureFile(const Drawing& drawing, const QString& path, FigureFileMode mode,
                                       const FigureList& figures, FigureRegion region, Prompts& prompts)
{
    const QSize canvas = drawing.canvasSize();
    switch (mode) {
    case FigureFileMode::Whole: region = {canvas.width(), canvas.height(), 0, 0}; break;
    case FigureFileMode::RegionOnly: region = {drawing.keptRegion.width, drawing.keptRegion.height, 0, 0}; break;
    case FigureFileMode::Partial: break;
    }
    if (region.width < 1 || region.height < 1) {
        showRegion(prompts, region);
        region.width = canvas.width();
        region.height = canvas.height();
    }
    const QString name = withDefaultExtension(path, mode);
    warnUnmappable(figures, prompts);
    // A partial file carries no background; the conversion writes back the one it read.
    const QImage background = mode == FigureFileMode::Partial ? QImage() : drawing.background;
    const QPoint offset = mode == FigureFileMode::Partial ? QPoint(-region.left, -region.top) : QPoint();
    QString why;
    if (!writeFileAtomically(name, encodeFigureFile(region, background, figures, offset), &why)) {
        reportFileError(prompts, QStringLiteral("%1 に書き込めません").arg(name), why);
        return std::nullopt;
    }
    return name;
}

} // namespace molvane
