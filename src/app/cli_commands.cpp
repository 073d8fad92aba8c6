#include "app/cli_commands.h"

#include "document/drawing.h"
#include "document/drawing_bitmap.h"
#include "document/drawing_work.h"
#include "document/figure_file_io.h"
#include "document/figure_json.h"
#include "document/picture_export.h"
#include "document/thumbnail.h"
#include "document/vector_export.h"
#include "platform/atomic_file.h"
#include "platform/stream_prompts.h"

#include <QBuffer>
#include <QFileInfo>

namespace molvane {

namespace {

void say(std::FILE* to, const QString& line) { std::fprintf(to, "molvane: %s\n", line.toLocal8Bit().constData()); }

QString extensionOf(const QString& path) { return QFileInfo(path).suffix().toLower(); }

// The figures of a partial file at their stored positions, on its own RW x RH picture.
QImage partialPicture(const Drawing& d)
{
    QImage image(QSize(d.keptRegion.width, d.keptRegion.height).expandedTo({1, 1}), QImage::Format_RGB32);
    image.fill(toQRgb(clWhite));
    Canvas canvas(image);
    for (const TFigure& f : d.pasteList)
        renderFigure(f, {canvas, false, 100, d.renderSettings()});
    return image;
}

bool writePng(const QImage& image, const QString& output, QString& why)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        why = QStringLiteral("PNG encoding failed");
        return false;
    }
    return writeFileAtomically(output, bytes, &why);
}

int cannotWrite(const QString& output, const QString& why, std::FILE* messages)
{
    say(messages, QStringLiteral("%1 に書き込めません: %2").arg(output, why));
    return kExitFailure;
}

// .bmp, .jpg and .jpeg through the window's own picture writer, so both give the same files; .png by Qt.
int writePicture(const QImage& image, const QString& output, std::FILE* messages)
{
    QString why;
    if (isPictureFileName(output)) {
        const PictureWriteResult written = writePictureFile(image, output);
        why = written.reason;
        if (written.ok)
            return kExitOk;
    } else if (writePng(image, output, why)) {
        return kExitOk;
    }
    return cannotWrite(output, why, messages);
}

bool isPartialFile(const QString& path)
{
    return extensionOf(path) == QLatin1String("fgb");
}

// Reads a .fga or .fgb file as the window would; false (after saying why) when it is not one or
// cannot be read in full. With anyName a file of another name is read as a whole drawing (the desktop
// may know a drawing by its format number alone).
bool readInput(const QString& input, Drawing& drawing, std::FILE* messages, bool anyName = false)
{
    const QString in = extensionOf(input);
    if (!anyName && in != QLatin1String("fga") && in != QLatin1String("fgb")) {
        say(messages, QStringLiteral("%1: not a figure file (.fga or .fgb)").arg(input));
        return false;
    }
    StreamPrompts prompts(messages);
    const FigureFileMode mode = isPartialFile(input) ? FigureFileMode::Partial : FigureFileMode::Whole;
    if (!readFigureFile(drawing, input, mode, prompts)) {
        say(messages, QStringLiteral("cannot read %1").arg(input));
        return false;
    }
    return true;
}

// The drawing as --export renders it: the whole canvas, or a partial file's figures on their region.
QImage pictureOf(const Drawing& drawing, bool partial)
{
    return partial ? partialPicture(drawing) : renderExport(drawing.bitmap(), ExportSource::wholeCanvas());
}

// Re-encodes through the writer: a whole drawing keeps its canvas, a partial file its region.
int writeFigures(Drawing& d, bool fromPartial, const QString& output, std::FILE* messages)
{
    StreamPrompts prompts(messages);
    const bool toPartial = extensionOf(output) == QLatin1String("fgb");
    FigureList figures = fromPartial ? d.pasteList : d.figures;
    FigureRegion region{d.canvasSize().width(), d.canvasSize().height(), 0, 0};
    if (fromPartial) {
        region = d.keptRegion;
        d.setCanvasSize({region.width, region.height});
        // The writer stores a partial file's figures relative to its region: give it their places.
        if (toPartial)
            for (TFigure& f : figures)
                shiftFigure(f, region.left, region.top);
    }
    const FigureFileMode mode = toPartial ? FigureFileMode::Partial : FigureFileMode::Whole;
    return writeFigureFile(d, output, mode, figures, region, prompts) ? kExitOk : kExitFailure;
}

} // namespace

// The drawing rendered at a scale, as a PNG with its resolution: the whole canvas, or a partial
// file's figures on their region.
int writeScaledPng(const Drawing& drawing, bool partial, int scale, const QString& output,
                   std::FILE* messages)
{
    const QSize canvas = partial
                             ? QSize(drawing.keptRegion.width, drawing.keptRegion.height).expandedTo({1, 1})
                             : drawing.canvasSize();
    const FigureList& figures = partial ? drawing.pasteList : drawing.figures;
    if (takesLongToDraw(figures, canvas, drawing.renderSettings(), scale))
        return cannotWrite(output, QStringLiteral("drawing at %1 times would take too long").arg(scale),
                           messages);
    QImage picture = scaledDrawingBitmap(canvas, figures, partial ? QImage() : drawing.background,
                                         drawing.renderSettings(), scale);
    if (picture.isNull())
        return cannotWrite(output, QStringLiteral("the picture would be too large"), messages);
    const PictureWriteResult written = writeScaledPng(std::move(picture), scale, output); // no second copy
    return written.ok ? kExitOk : cannotWrite(output, written.reason, messages);
}

// The drawing as SVG or PDF: the whole canvas, or a partial file's figures on their region.
int writeVector(const Drawing& drawing, bool partial, const QString& output, std::FILE* messages)
{
    VectorDrawing vector{drawing.canvasSize(),
                         &drawing.figures,
                         drawing.background,
                         drawing.renderSettings(),
                         {},
                         QFileInfo(output).completeBaseName()};
    if (partial) {
        vector.canvas = QSize(drawing.keptRegion.width, drawing.keptRegion.height).expandedTo({1, 1});
        vector.figures = &drawing.pasteList;
        vector.background = {};
    }
    if (takesLongToDraw(*vector.figures, vector.canvas, vector.settings, 1, DrawingOutput::Vector))
        return cannotWrite(output, QStringLiteral("writing it as vectors would take too long"), messages);
    const PictureWriteResult written = writeVectorFile(vector, output);
    return written.ok ? kExitOk : cannotWrite(output, written.reason, messages);
}

int exportFigureFile(const QString& input, const QString& output, std::FILE* messages, int scale)
{
    const QString out = extensionOf(output);
    const QStringList known{"bmp", "jpg", "jpeg", "png", "svg", "pdf", "fga", "fgb"};
    if (!known.contains(out)) {
        say(messages,
            QStringLiteral("%1: unknown output extension (use .bmp, .jpg, .png, .svg, .pdf, .fga or .fgb)")
                .arg(output));
        return kExitFailure;
    }
    const bool partial = isPartialFile(input);
    Drawing drawing;
    if (!readInput(input, drawing, messages))
        return kExitFailure;
    if (out == QLatin1String("fga") || out == QLatin1String("fgb"))
        return writeFigures(drawing, partial, output, messages);
    if (vectorFormatOf(output))
        return writeVector(drawing, partial, output, messages);
    if (scale > 1)
        return writeScaledPng(drawing, partial, scale, output, messages);
    return writePicture(pictureOf(drawing, partial), output, messages);
}

int thumbnailFigureFile(const QString& input, const QString& output, int size, std::FILE* messages)
{
    Drawing drawing;
    if (!readInput(input, drawing, messages, true))
        return kExitFailure;
    QString why;
    if (!writePng(thumbnailOf(pictureOf(drawing, isPartialFile(input)), size), output, why))
        return cannotWrite(output, why, messages);
    return kExitOk;
}

int dumpFigureFile(const QString& input, std::FILE* out, std::FILE* messages)
{
    QByteArray bytes;
    QString why;
    if (!readFigureFileBytes(input, bytes, why)) {
        say(messages, QStringLiteral("ファイル %1 を開けません。 %2").arg(input, why));
        return kExitFailure;
    }
    const DecodedFigureFile file = decodeFigureFile(bytes);
    if (!file.ok()) {
        say(messages, QStringLiteral("%1: %2").arg(QString::fromUtf8(kInternalDataError), input));
        return kExitFailure;
    }
    const QByteArray json = figureFileJson(file);
    std::fwrite(json.constData(), 1, std::size_t(json.size()), out);
    return kExitOk;
}

} // namespace molvane
