#pragma once
// Little-endian reading and writing of binary data with bounds checks.
// ByteReader never reads past the bytes it was given: every read reports failure instead, and the
// caller checks a length or count from the input against remaining() before allocating for it.

#include <QByteArray>
#include <QByteArrayView>
#include <QtEndian>
#include <cstdint>
#include <cstring>

namespace molvane {

class ByteReader {
public:
    explicit ByteReader(QByteArrayView data) : data_(data) {}

    qsizetype position() const { return pos_; }
    qsizetype size() const { return data_.size(); }
    qsizetype remaining() const { return data_.size() - pos_; }
    bool atEnd() const { return pos_ >= data_.size(); }

    // Moves to an absolute position; fails (and stays put) outside 0..size().
    bool seek(qsizetype pos);
    bool skip(qsizetype count);

    bool readUInt8(std::uint8_t& v);
    bool readUInt16(std::uint16_t& v);
    bool readInt32(std::int32_t& v);
    bool readUInt32(std::uint32_t& v);
    // Reads count bytes; fails without allocating when fewer remain or count is negative.
    bool readBytes(qsizetype count, QByteArray& out);
    // A view of the next count bytes without copying; empty and false when they are not there.
    bool peekView(qsizetype count, QByteArrayView& out) const;

private:
    bool take(qsizetype count, const char*& p);

    QByteArrayView data_;
    qsizetype pos_ = 0;
};

// Writes into one buffer that grows by doubling; the bytes written so far are the first size() of it.
class ByteWriter {
public:
    ByteWriter() = default;
    explicit ByteWriter(qsizetype reserve) { data_.reserve(reserve); }
    // Writes from the start into the memory of bytes, whatever they hold.
    explicit ByteWriter(QByteArray bytes) : data_(std::move(bytes)) {}

    qsizetype size() const { return size_; }
    void reserve(qsizetype bytes) { data_.reserve(bytes); }
    QByteArrayView data() const { return QByteArrayView(data_.constData(), size_); }
    QByteArray take()
    {
        data_.resize(size_);
        size_ = 0;
        return std::move(data_);
    }

    void writeUInt8(std::uint8_t v) { *extend(1) = char(v); }
    void writeUInt16(std::uint16_t v);
    void writeInt32(std::int32_t v) { writeUInt32(std::uint32_t(v)); }
    void writeUInt32(std::uint32_t v);
    void writeBytes(QByteArrayView bytes)
    {
        if (!bytes.isEmpty())
            std::memcpy(extend(bytes.size()), bytes.data(), std::size_t(bytes.size()));
    }
    void writeZeros(qsizetype count) { std::memset(extend(count), 0, std::size_t(count)); }

    // Overwrites four bytes already written (a size field known only at the end).
    void patchInt32(qsizetype offset, std::int32_t v);

    // Makes room for n more bytes and returns where they go, for a writer that knows the size of what it
    // writes and stores it with FieldStore.
    char* extend(qsizetype n)
    {
        if (n > data_.size() - size_)
            grow(n);
        char* at = data_.data() + size_;
        size_ += n;
        return at;
    }

private:
    void grow(qsizetype n);

    QByteArray data_; // its size is the room; size_ of it is written
    qsizetype size_ = 0;
};

// Little-endian fields stored into room made with ByteWriter::extend(), each without a check of its
// own (the room was sized for all of them).
struct FieldStore {
    char* p;
    void put8(std::uint8_t v) { *p++ = char(v); }
    void put32(std::uint32_t v)
    {
        qToLittleEndian(v, p);
        p += 4;
    }
    void putInt32(std::int32_t v) { put32(std::uint32_t(v)); }
    void putBytes(QByteArrayView bytes)
    {
        if (!bytes.isEmpty())
            std::memcpy(p, bytes.data(), std::size_t(bytes.size()));
        p += bytes.size();
    }
};

} // namespace molvane
