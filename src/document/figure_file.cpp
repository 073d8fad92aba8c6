#include "document/figure_file.h"

#include "document/figure_stream.h"
#include "platform/bmp_codec.h"

#include <algorithm>

namespace molvane {

namespace {

constexpr qsizetype kTotalSizeOffset = 4;

void writeRegion(ByteWriter& out, const FigureRegion& r)
{
    out.writeInt32(r.width);
    out.writeInt32(r.height);
    out.writeInt32(r.left);
    out.writeInt32(r.top);
}

bool readRegion(ByteReader& in, FigureRegion& r)
{
    return in.readInt32(r.width) && in.readInt32(r.height) && in.readInt32(r.left) && in.readInt32(r.top);
}

// The limit for record reads: the declared total, but never past the bytes really there.
qsizetype limitOf(std::int32_t declaredTotal, const ByteReader& in) { return std::min<qsizetype>(declaredTotal, in.size()); }

bool readBackground(ByteReader& in, qsizetype limit, DecodedFigureFile& file, ReadBudget& budget)
{
    if (!in.readInt32(file.backgroundBytes) || file.backgroundBytes < 0)
        return false;
    if (file.backgroundBytes == 0)
        return true;
    QByteArrayView bytes;
    if (in.position() + file.backgroundBytes > limit || !in.peekView(file.backgroundBytes, bytes))
        return false;
    in.skip(file.backgroundBytes);
    DecodedImage picture = readBmp(bytes, budget.picturePixels);
    if (!picture.ok())
        return false;
    budget.picturePixels -= qint64(picture.image.width()) * picture.image.height();
    file.background = std::move(picture.image);
    return true;
}

// The container's fields so far, then the figure list; the total size is written at totalAt.
QByteArray withFigureList(ByteWriter& out, const FigureList& figures, QPoint offset, qsizetype totalAt)
{
    writeFigureList(out, figures, offset);
    out.patchInt32(totalAt, std::int32_t(out.size()));
    return out.take();
}

} // namespace

QByteArray encodeFigureFile(const FigureRegion& region, const QImage& background, const FigureList& figures,
                            QPoint offset)
{
    const QByteArray picture = background.isNull() ? QByteArray() : writeBmp(background);
    ByteWriter out(kFigureFileHeaderBytes + picture.size());
    out.writeInt32(kFigureFileFormat);
    out.writeInt32(0); // the total size, known at the end
    writeRegion(out, region);
    out.writeInt32(std::int32_t(picture.size()));
    out.writeBytes(picture);
    return withFigureList(out, figures, offset, kTotalSizeOffset);
}

qint64 figureFileBytesToRead(QByteArrayView head)
{
    ByteReader in(head);
    std::int32_t format, total;
    const qint64 atLeast = kFigureFileHeaderBytes + 4; // the header and the count after it
    if (!in.readInt32(format) || !in.readInt32(total))
        return atLeast;
    return std::clamp<qint64>(total, atLeast, kMaxFigureFileBytes);
}

DecodedFigureFile decodeFigureFile(QByteArrayView bytes)
{
    DecodedFigureFile file;
    ByteReader in(bytes);
    file.headerOk = in.readInt32(file.format) && in.readInt32(file.totalSize) && readRegion(in, file.region);
    if (!file.headerOk)
        return file;
    const qsizetype limit = limitOf(file.totalSize, in);
    ReadBudget budget;
    file.backgroundOk = readBackground(in, limit, file, budget);
    if (!file.backgroundOk)
        return file;
    const FigureListRead read = readFigureList(in, limit, file.figures, &budget);
    file.declaredCount = read.declared;
    file.recordsOk = read.ok;
    return file;
}

QByteArray encodeUndoSnapshot(const FigureList& figures)
{
    QByteArray bytes;
    encodeUndoSnapshot(figures, bytes);
    return bytes;
}

void encodeUndoSnapshot(const FigureList& figures, QByteArray& bytes)
{
    ByteWriter out(std::move(bytes));
    out.writeInt32(0);
    bytes = withFigureList(out, figures, {}, 0);
}

QByteArray emptyUndoSnapshot() { return QByteArray(8, '\0'); }

bool decodeUndoSnapshot(QByteArrayView bytes, FigureList& out)
{
    ByteReader in(bytes);
    std::int32_t total;
    if (!in.readInt32(total))
        return false;
    return readFigureList(in, limitOf(total, in), out).ok;
}

QByteArray encodeClipboard(const FigureRegion& region, const FigureList& figures)
{
    ByteWriter out;
    out.writeInt32(0);
    writeRegion(out, region);
    return withFigureList(out, figures, QPoint(-region.left, -region.top), 0);
}

DecodedClipboard decodeClipboard(QByteArrayView bytes)
{
    DecodedClipboard clip;
    ByteReader in(bytes);
    std::int32_t total;
    if (!in.readInt32(total) || !readRegion(in, clip.region))
        return clip;
    ReadBudget budget;
    clip.ok = readFigureList(in, limitOf(total, in), clip.figures, &budget).ok;
    return clip;
}

} // namespace molvane
