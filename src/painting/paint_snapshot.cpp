#include "painting/paint_snapshot.h"

#include "document/figure_stream.h"
#include "platform/bmp_codec.h"
#include "platform/byte_stream.h"

namespace molvane {

namespace {

bool sameImage(const QImage& a, const QImage& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a.cacheKey() == b.cacheKey();
}

// Whether the two pictures are written as the same BMP bytes: at once when they share their pixels.
bool samePictureBytes(const QImage& a, const QImage& b)
{
    if (sameImage(a, b))
        return true;
    if (a.isNull() || b.isNull() || a.size() != b.size())
        return false;
    return writeBmp(a) == writeBmp(b);
}

void writeHeader(ByteWriter& out, qint32 size, QSize canvas, qint32 count)
{
    out.writeInt32(size);
    out.writeInt32(canvas.width());
    out.writeInt32(canvas.height());
    out.writeInt32(count);
}

} // namespace

PaintSnapshot PaintSnapshot::empty(QSize canvas, QImage basePicture)
{
    PaintSnapshot s;
    s.canvas_ = canvas;
    s.base_ = std::move(basePicture);
    return s;
}

PaintSnapshot PaintSnapshot::of(QSize canvas, const FigureList& strokes, QImage basePicture)
{
    PaintSnapshot s = empty(canvas, std::move(basePicture));
    s.reset_ = false;
    s.count_ = qint32(strokes.size());
    ByteWriter out(qsizetype(strokes.size()) * (kSmallestFigureRecord + 16));
    for (const TFigure& f : strokes) {
        if (f.kind != fkPicture) {
            writeFigureRecord(out, f);
            continue;
        }
        TFigure bare = f;
        bare.picture = QImage();
        writeFigureRecord(out, bare);
        s.pictures_.push_back({out.size() - 4, f.picture.image()});
    }
    s.records_ = out.take();
    return s;
}

QByteArray PaintSnapshot::layoutBytes() const
{
    ByteWriter out;
    writeHeader(out, 0, canvas_, count_);
    qsizetype copied = 0;
    for (const PictureRef& p : pictures_) {
        out.writeBytes(QByteArrayView(records_).sliced(copied, p.lengthAt - copied));
        const QByteArray bmp = p.image.isNull() ? QByteArray() : writeBmp(p.image);
        out.writeInt32(qint32(bmp.size()));
        out.writeBytes(bmp);
        copied = p.lengthAt + 4;
    }
    out.writeBytes(QByteArrayView(records_).sliced(copied));
    if (!reset_)
        out.patchInt32(0, qint32(out.size()));
    return out.take();
}

bool PaintSnapshot::sameLayout(const PaintSnapshot& other) const
{
    if (reset_ != other.reset_ || canvas_ != other.canvas_ || count_ != other.count_ ||
        records_ != other.records_ || pictures_.size() != other.pictures_.size())
        return false;
    // Equal records put the pictures at the same places.
    for (std::size_t i = 0; i < pictures_.size(); ++i)
        if (!samePictureBytes(pictures_[i].image, other.pictures_[i].image))
            return false;
    return true;
}

bool PaintSnapshot::operator==(const PaintSnapshot& other) const
{
    return sameLayout(other) && sameImage(base_, other.base_);
}

PaintState PaintSnapshot::restore() const
{
    PaintState state{canvas_, {}, base_, false};
    state.strokes.reserve(std::size_t(count_));
    ByteReader in(records_);
    std::size_t picture = 0;
    for (qint32 i = 0; i < count_; ++i) {
        TFigure f;
        if (!readFigureRecord(in, in.size(), f)) {
            state.damaged = true;
            break;
        }
        if (f.kind == fkPicture && picture < pictures_.size())
            f.picture = pictures_[picture++].image;
        state.strokes.push_back(std::move(f));
    }
    return state;
}

PaintState readPaintSnapshot(QByteArrayView bytes)
{
    PaintState state;
    ByteReader in(bytes);
    std::int32_t size = 0, width = 0, height = 0;
    if (!in.readInt32(size) || !in.readInt32(width) || !in.readInt32(height)) {
        state.damaged = true;
        return state;
    }
    state.canvas = QSize(width, height);
    state.damaged = !readFigureList(in, size, state.strokes).ok;
    return state;
}

} // namespace molvane
