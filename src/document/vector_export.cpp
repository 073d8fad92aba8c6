#include "document/vector_export.h"

#include "document/drawing_bitmap.h"
#include "document/fill_tracing.h"
#include "platform/atomic_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontInfo>
#include <QHash>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <vector>

namespace molvane {

namespace {

constexpr int kFinestTraceScale = 4;
constexpr double kDotsPerInch = 96.0;

QRect areaOf(const VectorDrawing& d)
{
    return d.area.isNull() ? QRect(QPoint(0, 0), d.canvas) : d.area;
}

// The figures through the vector painter, the fills traced on a raster twin, those beneath the strokes
// first.
class VectorRenderer {
public:
    VectorRenderer(QPainter& painter, const VectorDrawing& d)
        : painter_(painter), drawing_(d), vector_(painter, d.canvas)
    {
        vector_.setVectorDevice(true);
    }

    void run()
    {
        painter_.fillRect(QRect(QPoint(0, 0), drawing_.canvas), Qt::white);
        if (!drawing_.background.isNull())
            vector_.drawImage(QRect(QPoint(0, 0), drawing_.background.size()), drawing_.background);
        const std::vector<std::optional<TracedFill>> fills =
            traceFills({drawing_.canvas, drawing_.figures, drawing_.background, drawing_.settings},
                       vectorTraceScale(drawing_.canvas));
        for (const std::optional<TracedFill>& fill : fills)
            if (fill && fill->beneath)
                paint(*fill);
        const RenderTarget target{vector_, false, 100, drawing_.settings};
        for (std::size_t i = 0; i < fills.size(); ++i) {
            if (!fills[i])
                renderFigure((*drawing_.figures)[qsizetype(i)], target);
            else if (!fills[i]->beneath)
                paint(*fills[i]);
        }
    }

private:
    void paint(const TracedFill& fill)
    {
        // No save and restore: a vector device would write each as a group of its own, and the figures
        // set the state they draw with themselves.
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(fill.colour);
        painter_.drawPath(fill.outline);
    }

    QPainter& painter_;
    const VectorDrawing& drawing_;
    Canvas vector_;
};

// Every font-family the generator writes names the stored face alone; a reader without that face would
// pick any font, so the family this program draws it with follows as the second choice. The generator
// writes the attribute as font-family="face": each distinct face is looked up once.
QByteArray withFallbackFamilies(const QByteArray& svg)
{
    static const QByteArray kAttribute = QByteArrayLiteral(" font-family=\"");
    QHash<QByteArray, QByteArray> families;
    QByteArray out;
    out.reserve(svg.size() + svg.size() / 8);
    qsizetype from = 0;
    for (qsizetype at = svg.indexOf(kAttribute); at >= 0; at = svg.indexOf(kAttribute, from)) {
        const qsizetype start = at + kAttribute.size();
        const qsizetype end = svg.indexOf('"', start);
        if (end < 0)
            break;
        const QByteArray face = svg.mid(start, end - start);
        auto known = families.find(face);
        if (known == families.end()) {
            const QString name = QString::fromUtf8(face);
            const QString drawn = QFontInfo(QFont(name)).family();
            const QString list = drawn == name ? QStringLiteral("'%1'").arg(name)
                                               : QStringLiteral("'%1', '%2'").arg(name, drawn);
            known = families.insert(face, list.toHtmlEscaped().toUtf8());
        }
        out.append(svg.constData() + from, start - from).append(*known);
        from = end;
    }
    out.append(svg.constData() + from, svg.size() - from);
    return out;
}

} // namespace

std::optional<VectorFormat> vectorFormatOf(const QString& path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("svg"))
        return VectorFormat::Svg;
    if (extension == QLatin1String("pdf"))
        return VectorFormat::Pdf;
    return std::nullopt;
}

int vectorTraceScale(QSize canvas)
{
    int scale = kFinestTraceScale;
    while (scale > 1 && qint64(canvas.width()) * canvas.height() * scale * scale > kMaxScaledPixels)
        --scale;
    return scale;
}

void paintVectorDrawing(QPainter& painter, const VectorDrawing& drawing)
{
    painter.save();
    painter.translate(-areaOf(drawing).topLeft());
    VectorRenderer(painter, drawing).run();
    painter.restore();
}

QByteArray drawingSvg(const VectorDrawing& drawing)
{
    const QRect area = areaOf(drawing);
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(area.size());
        generator.setViewBox(QRect(QPoint(0, 0), area.size()));
        generator.setResolution(int(kDotsPerInch));
        generator.setTitle(drawing.title);
        generator.setDescription(QStringLiteral("Molvane"));
        QPainter painter(&generator);
        paintVectorDrawing(painter, drawing);
    }
    return withFallbackFamilies(bytes);
}

QByteArray drawingPdf(const VectorDrawing& drawing)
{
    const QRect area = areaOf(drawing);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(int(kDotsPerInch));
    const QSizeF points = QSizeF(area.size()) * (72.0 / kDotsPerInch);
    writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(drawing.title);
    writer.setCreator(QStringLiteral("Molvane"));
    {
        QPainter painter(&writer);
        // Pictures go in as they are (compressed without loss), not as JPEG.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        paintVectorDrawing(painter, drawing);
    }
    return bytes;
}

PictureWriteResult writeVectorFile(const VectorDrawing& drawing, const QString& path)
{
    const std::optional<VectorFormat> format = vectorFormatOf(path);
    QString why = QStringLiteral("not a .svg or .pdf file");
    if (format) {
        const QByteArray bytes = *format == VectorFormat::Svg ? drawingSvg(drawing) : drawingPdf(drawing);
        why = QStringLiteral("the picture could not be made");
        if (!bytes.isEmpty() && writeFileAtomically(path, bytes, &why))
            return {true, {}, {}};
    }
    const QString text = QStringLiteral("%1 に書き込めません").arg(path);
    return {false, text + QStringLiteral("\n") + why, why};
}

} // namespace molvane
