#include "document/figure_fixed_part.h"


namespace molvane {

namespace {

// The order of the six ends in a record: start and end of the main, second and third line.
constexpr int kEndsOrder[6] = {kMainStart, kMainEnd, kSecondStart, kSecondEnd, kThirdStart, kThirdEnd};

using Cursor = RecordCursor;

struct Fields {
    const unsigned char* p;
    std::uint8_t get8() { return *p++; }
    std::uint32_t get32()
    {
        const std::uint32_t v = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
                                (std::uint32_t(p[3]) << 24);
        p += 4;
        return v;
    }
    std::int32_t getInt() { return std::int32_t(get32()); }
    QPoint getPoint()
    {
        const std::int32_t x = getInt();
        return {x, getInt()};
    }
};

// The scalar fields before the ends: 42 bytes.
char* writeScalars(Cursor w, const TFigure& f)
{
    w.putInt(f.kind);
    w.putInt(f.cursorPrecision);
    w.put8(f.freeForm ? 1 : 0);
    w.put8(f.fineMoved ? 1 : 0);
    w.put32(f.penColor);
    w.put32(f.auxColor);
    w.put32(f.fillColor);
    w.putInt(f.penStyle);
    w.putInt(f.lineWidth);
    w.putInt(f.shape);
    w.putInt(f.sizeStep);
    w.putInt(f.reserved);
    return w.p;
}

const unsigned char* readScalars(Fields r, TFigure& f)
{
    f.kind = r.getInt();
    f.cursorPrecision = r.getInt();
    f.freeForm = r.get8() != 0;
    f.fineMoved = r.get8() != 0;
    f.penColor = r.get32();
    f.auxColor = r.get32();
    f.fillColor = r.get32();
    f.penStyle = r.getInt();
    f.lineWidth = r.getInt();
    f.shape = r.getInt();
    f.sizeStep = r.getInt();
    f.reserved = r.getInt();
    return r.p;
}

char* writeMargins(Cursor w, const TMargins& m)
{
    w.putInt(m.left);
    w.putInt(m.top);
    w.putInt(m.right);
    w.putInt(m.bottom);
    return w.p;
}

void readMargins(Fields r, TMargins& m)
{
    m.left = r.getInt();
    m.top = r.getInt();
    m.right = r.getInt();
    m.bottom = r.getInt();
}

} // namespace

namespace portable {

char* writeFixedPart(char* p, const TFigure& f, QPoint offset)
{
    Cursor w{writeScalars({p}, f)};
    for (int i : kEndsOrder)
        w.putPoint(f.ends[std::size_t(i)], offset);
    for (int i : kEndsOrder)
        w.putPoint(f.freeEnds[std::size_t(i)], offset);
    w.putPoint(f.handle, offset);
    for (QPoint q : f.extremes)
        w.putPoint(q, offset);
    return writeMargins(w, f.margins);
}

void readFixedPart(const unsigned char* p, TFigure& f)
{
    Fields r{readScalars({p}, f)};
    for (int i : kEndsOrder)
        f.ends[std::size_t(i)] = r.getPoint();
    for (int i : kEndsOrder)
        f.freeEnds[std::size_t(i)] = r.getPoint();
    f.handle = r.getPoint();
    for (QPoint& q : f.extremes)
        q = r.getPoint();
    readMargins(r, f.margins);
}

char* writePoints(char* p, const QPoint* points, std::size_t n, QPoint offset)
{
    Cursor w{p};
    for (std::size_t i = 0; i < n; ++i)
        w.putPoint(points[i], offset);
    return w.p;
}

} // namespace portable

} // namespace molvane
