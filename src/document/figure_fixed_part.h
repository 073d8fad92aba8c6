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
#include <iterator>

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

// In memory the six ends are main, second, third start, then main, second, third end; in the record
// each start is followed by its end.
inline void writeEnds(char* p, const std::array<QPoint, 6>& ends, Lanes off)
{
    const Lanes e0 = load(&ends[0]), e2 = load(&ends[2]), e4 = load(&ends[4]);
    store(p, __builtin_shufflevector(e0, e2, 0, 1, 6, 7) + off);
    store(p + 16, __builtin_shufflevector(e0, e4, 2, 3, 4, 5) + off);
    store(p + 32, __builtin_shufflevector(e2, e4, 0, 1, 6, 7) + off);
}

inline void readEnds(const unsigned char* p, std::array<QPoint, 6>& ends)
{
    const Lanes main = load(p), second = load(p + 16), third = load(p + 32);
    store(&ends[0], __builtin_shufflevector(main, second, 0, 1, 4, 5));
    store(&ends[2], __builtin_shufflevector(third, main, 0, 1, 6, 7));
    store(&ends[4], __builtin_shufflevector(second, third, 2, 3, 6, 7));
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
    writeEnds(p, f.ends, off);
    writeEnds(p + 48, f.freeEnds, off);
    putPoint(p + 96, f.handle, offset);
    store(p + 104, load(&f.extremes[0]) + off);
    store(p + 120, load(&f.extremes[2]) + off);
    p += 136;
    for (std::int32_t v : {f.margins.left, f.margins.top, f.margins.right, f.margins.bottom})
        put32(p, std::uint32_t(v));
    return p;
}

inline char* writePointsFast(char* p, const QPoint* points, std::size_t n, QPoint offset)
{
    if (n == 0) // a vector with no points may have no storage at all
        return p;
    if (offset.isNull()) {
        std::memcpy(p, static_cast<const void*>(points), n * 8);
        return p + n * 8;
    }
    const Lanes off = twice(offset);
    std::size_t i = 0;
    for (; i + 2 <= n; i += 2, p += 16)
        store(p, load(points + i) + off);
    if (i < n) {
        putPoint(p, points[i], offset);
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

// The six ends stored from p (each start followed by its end), in memory order.
inline std::array<QPoint, 6> endsAt(const unsigned char* p)
{
    std::array<QPoint, 6> ends;
    if constexpr (kPointsAsStored) {
        readEnds(p, ends);
    } else {
        for (int k = 0; k < 3; ++k) {
            ends[std::size_t(k)] = fieldPoint(p + 16 * k);
            ends[std::size_t(k + 3)] = fieldPoint(p + 16 * k + 8);
        }
    }
    return ends;
}

inline std::array<QPoint, 4> extremesAt(const unsigned char* p)
{
    return {fieldPoint(p), fieldPoint(p + 8), fieldPoint(p + 16), fieldPoint(p + 24)};
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

// The n points stored at p as a range of QPoint: a point list is built from it in one pass, without
// being zeroed first. The decoding is byte by byte, which compilers turn into plain loads where the host
// is little-endian.
class StoredPoints {
public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = QPoint;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = QPoint;

        iterator() = default;
        explicit iterator(const unsigned char* p) : p_(p) {}
        QPoint operator*() const { return fixed_part_detail::fieldPoint(p_); }
        iterator& operator++()
        {
            p_ += 8;
            return *this;
        }
        iterator operator++(int)
        {
            iterator before = *this;
            p_ += 8;
            return before;
        }
        bool operator==(const iterator&) const = default;

    private:
        const unsigned char* p_ = nullptr;
    };

    StoredPoints(const unsigned char* p, std::size_t n) : p_(p), n_(n) {}
    iterator begin() const { return iterator(p_); }
    iterator end() const { return iterator(p_ + 8 * n_); }

private:
    const unsigned char* p_;
    std::size_t n_;
};

// Replaces out with the n points stored at p (8n bytes must be there). Where points are stored as the
// host keeps them, the bytes are copied as they are: zeroing the list and one copy cost less than
// building it through a forward range, which is walked once to count and once to copy.
inline void readPoints(const unsigned char* p, std::size_t n, TDynamicPtArray& out)
{
    if constexpr (fixed_part_detail::kPointsAsStored) {
        out.resize(n);
        if (n > 0)
            std::memcpy(static_cast<void*>(out.data()), p, 8 * n);
    } else {
        const StoredPoints stored(p, n);
        out.assign(stored.begin(), stored.end());
    }
}

} // namespace molvane
