#pragma once
// The 194-byte fixed part at the start of every figure record: the scalar fields, then ends and freeEnds
// (main start, main end, second start, second end, third start, third end), the handle, the extremes and
// the margins, all little-endian 32-bit values.
//
// On a little-endian host the points move sixteen bytes at a time; portable:: holds the field-by-field
// form every host can run, which the fast form (writeFixedPart, and the TFigure made from a fixed part)
// must match byte for byte. The fast form is inline: it runs once per figure whenever a drawing is saved,
// read or an undo step is taken.

#include "document/figure.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace molvane {

inline constexpr int kFigureFixedBytes = 194;

// Little-endian fields formatted in place, one byte at a time, on any host. A cursor is a local value in
// the function that formats: a pointer member written through char pointers would have to be reloaded
// after every byte.
struct RecordCursor {
    char* p;
    void put8(std::uint8_t v) { *p++ = char(v); }
    void put32(std::uint32_t v)
    {
        p[0] = char(v & 0xFF);
        p[1] = char((v >> 8) & 0xFF);
        p[2] = char((v >> 16) & 0xFF);
        p[3] = char(v >> 24);
        p += 4;
    }
    void putInt(std::int32_t v) { put32(std::uint32_t(v)); }
    // q + offset, each coordinate wrapping around in 32 bits.
    void putPoint(QPoint q, QPoint offset)
    {
        put32(std::uint32_t(q.x()) + std::uint32_t(offset.x()));
        put32(std::uint32_t(q.y()) + std::uint32_t(offset.y()));
    }
    void putBytes(QByteArrayView bytes)
    {
        if (!bytes.isEmpty())
            std::memcpy(p, bytes.data(), std::size_t(bytes.size()));
        p += bytes.size();
    }
};

namespace portable {
char* writeFixedPart(char* p, const TFigure& f, QPoint offset);
void readFixedPart(const unsigned char* p, TFigure& f);
char* writePoints(char* p, const QPoint* points, std::size_t n, QPoint offset);
} // namespace portable

namespace fixed_part_detail {

// The fast form copies QPoint storage as two little-endian 32-bit values, x first.
inline constexpr bool kPointsAsStored = std::endian::native == std::endian::little && sizeof(QPoint) == 8 &&
                                        std::bit_cast<std::array<std::int32_t, 2>>(QPoint(1, 2))[0] == 1 &&
                                        std::bit_cast<std::array<std::int32_t, 2>>(QPoint(1, 2))[1] == 2;

// Two points as four 32-bit lanes; the compiler keeps them in one vector register where the host has them.
using Lanes = std::uint32_t __attribute__((vector_size(16)));

inline Lanes load(const void* p)
{
    Lanes v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline void store(void* p, Lanes v) { std::memcpy(p, &v, sizeof v); }
inline Lanes twice(QPoint q)
{
    return Lanes{std::uint32_t(q.x()), std::uint32_t(q.y()), std::uint32_t(q.x()), std::uint32_t(q.y())};
}
inline void put32(char*& p, std::uint32_t v)
{
    std::memcpy(p, &v, 4);
    p += 4;
}
inline void putPoint(char* p, QPoint q, QPoint offset)
{
    const std::uint32_t xy[2] = {std::uint32_t(q.x()) + std::uint32_t(offset.x()),
                                 std::uint32_t(q.y()) + std::uint32_t(offset.y())};
    std::memcpy(p, xy, 8);
}

// Writes 2 * pairs points from q at p, each moved by the offset off holds twice.
inline void storePairs(char* p, const QPoint* q, std::size_t pairs, Lanes off)
{
    for (std::size_t i = 0; i < pairs; ++i)
        store(p + 16 * i, load(q + 2 * i) + off);
}

inline char* writeFixedPartFast(char* p, const TFigure& f, QPoint offset)
{
    put32(p, std::uint32_t(f.kind));
    put32(p, std::uint32_t(f.cursorPrecision));
    *p++ = f.freeForm ? 1 : 0;
    *p++ = f.fineMoved ? 1 : 0;
    for (std::int32_t v : {std::int32_t(f.penColor), std::int32_t(f.auxColor), std::int32_t(f.fillColor), f.penStyle,
                           f.lineWidth, f.shape, f.sizeStep, f.reserved})
        put32(p, std::uint32_t(v));
    const Lanes off = twice(offset);
    // The ends are kept in record order: each goes out as three pairs of points.
    storePairs(p, f.ends.inRecordOrder().data(), 3, off);
    storePairs(p + 48, f.freeEnds.inRecordOrder().data(), 3, off);
    putPoint(p + 96, f.handle, offset);
    storePairs(p + 104, f.extremes.data(), 2, off);
    p += 136;
    for (std::int32_t v : {f.margins.left, f.margins.top, f.margins.right, f.margins.bottom})
        put32(p, std::uint32_t(v));
    return p;
}

inline char* writePointsFast(char* p, const QPoint* points, std::size_t n, QPoint offset)
{
    if (n == 0) // a list with no points may have no storage at all
        return p;
    if (offset.isNull()) {
        std::memcpy(p, static_cast<const void*>(points), n * 8);
        return p + n * 8;
    }
    const std::size_t pairs = n / 2;
    storePairs(p, points, pairs, twice(offset));
    p += 16 * pairs;
    if (n % 2 != 0) {
        putPoint(p, points[n - 1], offset);
        p += 8;
    }
    return p;
}

// A little-endian 32-bit field, on any host (one load where the host is little-endian).
inline std::uint32_t field32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}
inline std::int32_t fieldInt(const unsigned char* p) { return std::int32_t(field32(p)); }
inline QPoint fieldPoint(const unsigned char* p) { return {fieldInt(p), fieldInt(p + 4)}; }

// The n points stored from p, into out.
inline void pointsAt(const unsigned char* p, QPoint* out, std::size_t n)
{
    if constexpr (kPointsAsStored) {
        std::memcpy(static_cast<void*>(out), p, 8 * n);
    } else {
        for (std::size_t i = 0; i < n; ++i)
            out[i] = fieldPoint(p + 8 * i);
    }
}

// The six ends stored from p (each start followed by its end, as they are kept).
inline EndPoints endsAt(const unsigned char* p)
{
    EndPoints ends;
    pointsAt(p, ends.inRecordOrder().data(), 6);
    return ends;
}

inline std::array<QPoint, 4> extremesAt(const unsigned char* p)
{
    std::array<QPoint, 4> extremes;
    pointsAt(p, extremes.data(), 4);
    return extremes;
}

} // namespace fixed_part_detail

// Reading a record makes its figure from the fixed part: every field is written once, where reading into
// a new figure would zero the ends and the other points first.
inline TFigure::TFigure(FromFixedPart, const unsigned char* p) noexcept
    : kind(fixed_part_detail::fieldInt(p)), cursorPrecision(fixed_part_detail::fieldInt(p + 4)), freeForm(p[8] != 0),
      fineMoved(p[9] != 0), penColor(fixed_part_detail::field32(p + 10)), auxColor(fixed_part_detail::field32(p + 14)),
      fillColor(fixed_part_detail::field32(p + 18)), penStyle(fixed_part_detail::fieldInt(p + 22)),
      lineWidth(fixed_part_detail::fieldInt(p + 26)), shape(fixed_part_detail::fieldInt(p + 30)),
      sizeStep(fixed_part_detail::fieldInt(p + 34)), reserved(fixed_part_detail::fieldInt(p + 38)),
      ends(fixed_part_detail::endsAt(p + 42)), freeEnds(fixed_part_detail::endsAt(p + 90)),
      handle(fixed_part_detail::fieldPoint(p + 138)), extremes(fixed_part_detail::extremesAt(p + 146)),
      margins{fixed_part_detail::fieldInt(p + 178), fixed_part_detail::fieldInt(p + 182),
              fixed_part_detail::fieldInt(p + 186), fixed_part_detail::fieldInt(p + 190)}
{
}

// Writes the fixed part of f at p with offset added to every point (wrapping in 32 bits) and returns
// its end.
inline char* writeFixedPart(char* p, const TFigure& f, QPoint offset)
{
    if constexpr (fixed_part_detail::kPointsAsStored)
        return fixed_part_detail::writeFixedPartFast(p, f, offset);
    else
        return portable::writeFixedPart(p, f, offset);
}

// Writes n points at p with offset added (wrapping in 32 bits) and returns the end.
inline char* writePoints(char* p, const QPoint* points, std::size_t n, QPoint offset)
{
    if constexpr (fixed_part_detail::kPointsAsStored)
        return fixed_part_detail::writePointsFast(p, points, n, offset);
    else
        return portable::writePoints(p, points, n, offset);
}

} // namespace molvane
