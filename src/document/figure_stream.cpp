#include "document/figure_stream.h"

#include "platform/bmp_codec.h"
#include "platform/cp932.h"

#include <algorithm>

namespace molvane {

namespace {

// The order of the six ends in a record: start and end of the main, second and third line.
constexpr int kEndsOrder[6] = {kMainStart, kMainEnd, kSecondStart, kSecondEnd, kThirdStart, kThirdEnd};

bool hasPoints(const TFigure& f) { return f.kind == fkFree || f.kind == fkNuri || f.freeForm; }

void writePoint(ByteWriter& out, QPoint p)
{
    out.writeInt32(p.x());
    out.writeInt32(p.y());
}

void writeText(ByteWriter& out, const QString& text)
{
    const QByteArray bytes = toCp932(text);
    out.writeInt32(std::int32_t(bytes.size()));
    out.writeBytes(bytes);
}

bool readPoint(ByteReader& in, QPoint& p)
{
    std::int32_t x, y;
    if (!in.readInt32(x) || !in.readInt32(y))
        return false;
    p = {x, y};
    return true;
}

// A declared length of n bytes must fit before the limit and in what is really there.
bool fits(const ByteReader& in, qsizetype limit, std::int64_t n)
{
    return n >= 0 && in.position() + n <= limit && n <= in.remaining();
}

bool readText(ByteReader& in, qsizetype limit, QString& text)
{
    std::int32_t n;
    QByteArray bytes;
    if (!in.readInt32(n) || !fits(in, limit, n) || !in.readBytes(n, bytes))
        return false;
    text = fromCp932(bytes);
    return true;
}

bool readFixedPart(ByteReader& in, TFigure& f)
{
    std::int32_t v[4];
    std::uint8_t freeForm, fineMoved;
    std::uint32_t colours[3];
    bool ok = in.readInt32(f.kind) && in.readInt32(f.cursorPrecision) && in.readUInt8(freeForm) &&
              in.readUInt8(fineMoved) && in.readUInt32(colours[0]) && in.readUInt32(colours[1]) &&
              in.readUInt32(colours[2]) && in.readInt32(f.penStyle) && in.readInt32(f.lineWidth) &&
              in.readInt32(f.shape) && in.readInt32(f.sizeStep) && in.readInt32(f.reserved);
    for (int i = 0; ok && i < 6; ++i)
        ok = readPoint(in, f.ends[std::size_t(kEndsOrder[i])]);
    for (int i = 0; ok && i < 6; ++i)
        ok = readPoint(in, f.freeEnds[std::size_t(kEndsOrder[i])]);
    ok = ok && readPoint(in, f.handle);
    for (int i = 0; ok && i < 4; ++i)
        ok = readPoint(in, f.extremes[std::size_t(i)]);
    for (int i = 0; ok && i < 4; ++i)
        ok = in.readInt32(v[i]);
    if (!ok)
        return false;
    f.freeForm = freeForm != 0;
    f.fineMoved = fineMoved != 0;
    f.penColor = colours[0];
    f.auxColor = colours[1];
    f.fillColor = colours[2];
    f.margins = {v[0], v[1], v[2], v[3]};
    return true;
}

bool readPoints(ByteReader& in, qsizetype limit, TFigure& f)
{
    std::int32_t m;
    if (!in.readInt32(m) || !fits(in, limit, std::int64_t(m) * 8))
        return false;
    f.points.resize(std::size_t(m));
    for (QPoint& p : f.points)
        if (!readPoint(in, p))
            return false;
    return true;
}

bool readPicture(ByteReader& in, qsizetype limit, TFigure& f)
{
    std::int32_t k;
    QByteArrayView bytes;
    if (!in.readInt32(k) || !fits(in, limit, k) || !in.peekView(k, bytes))
        return false;
    in.skip(k);
    if (k == 0)
        return true;
    DecodedImage picture = readBmp(bytes);
    if (!picture.ok())
        return false;
    f.picture = std::move(picture.image);
    return true;
}

} // namespace

void writeFigureRecord(ByteWriter& out, const TFigure& f, QPoint offset)
{
    out.writeInt32(f.kind);
    out.writeInt32(f.cursorPrecision);
    out.writeUInt8(f.freeForm ? 1 : 0);
    out.writeUInt8(f.fineMoved ? 1 : 0);
    out.writeUInt32(f.penColor);
    out.writeUInt32(f.auxColor);
    out.writeUInt32(f.fillColor);
    out.writeInt32(f.penStyle);
    out.writeInt32(f.lineWidth);
    out.writeInt32(f.shape);
    out.writeInt32(f.sizeStep);
    out.writeInt32(f.reserved);
    for (int i : kEndsOrder)
        writePoint(out, f.ends[std::size_t(i)] + offset);
    for (int i : kEndsOrder)
        writePoint(out, f.freeEnds[std::size_t(i)] + offset);
    writePoint(out, f.handle + offset);
    for (QPoint p : f.extremes)
        writePoint(out, p + offset);
    out.writeInt32(f.margins.left);
    out.writeInt32(f.margins.top);
    out.writeInt32(f.margins.right);
    out.writeInt32(f.margins.bottom);
    writeText(out, f.fontName);
    writeText(out, f.text);
    if (hasPoints(f)) {
        // A fill's points are figure indices, not positions.
        const QPoint shift = f.kind == fkNuri ? QPoint() : offset;
        out.writeInt32(std::int32_t(f.points.size()));
        for (QPoint p : f.points)
            writePoint(out, p + shift);
    }
    if (f.kind == fkPicture) {
        const QByteArray bmp = f.picture.isNull() ? QByteArray() : writeBmp(f.picture);
        out.writeInt32(std::int32_t(bmp.size()));
        out.writeBytes(bmp);
    }
}

bool readFigureRecord(ByteReader& in, qsizetype limit, TFigure& f)
{
    f = TFigure();
    if (!readFixedPart(in, f))
        return false;
    if (!readText(in, limit, f.fontName) || !readText(in, limit, f.text))
        return false;
    if (hasPoints(f) && !readPoints(in, limit, f))
        return false;
    if (f.kind == fkPicture && !readPicture(in, limit, f))
        return false;
    f.selected = f.frameShown = false;
    return true;
}

void writeFigureList(ByteWriter& out, const FigureList& list, QPoint offset)
{
    out.writeInt32(std::int32_t(list.size()));
    for (const TFigure& f : list)
        writeFigureRecord(out, f, offset);
}

FigureListRead readFigureList(ByteReader& in, qsizetype limit, FigureList& out)
{
    FigureListRead result;
    std::int32_t count;
    if (!in.readInt32(count) || count < 0) {
        result.ok = false;
        return result;
    }
    result.declared = count;
    // Room only for the records that could really be there; a damaged count still gives the records
    // before the first bad one.
    const std::int64_t possible = std::max<std::int64_t>(0, std::min<std::int64_t>(limit - in.position(), in.remaining())) /
                                  kSmallestFigureRecord;
    out.reserve(out.size() + std::size_t(std::min<std::int64_t>(count, possible)));
    for (int i = 0; i < count; ++i) {
        TFigure f;
        if (!readFigureRecord(in, limit, f)) {
            result.ok = false;
            return result;
        }
        out.push_back(std::move(f));
    }
    return result;
}

QString unmappableFigureText(const FigureList& list)
{
    QString all;
    for (const TFigure& f : list)
        all += f.fontName + f.text;
    return unmappableInCp932(all);
}

} // namespace molvane
