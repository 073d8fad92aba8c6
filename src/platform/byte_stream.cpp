#include "platform/byte_stream.h"

#include <algorithm>
#include <cstring>

namespace molvane {

bool ByteReader::seek(qsizetype pos)
{
    if (pos < 0 || pos > data_.size())
        return false;
    pos_ = pos;
    return true;
}

bool ByteReader::skip(qsizetype count)
{
    if (count < 0 || count > remaining())
        return false;
    pos_ += count;
    return true;
}

bool ByteReader::take(qsizetype count, const char*& p)
{
    if (count < 0 || count > remaining())
        return false;
    p = data_.data() + pos_;
    pos_ += count;
    return true;
}

bool ByteReader::readUInt8(std::uint8_t& v)
{
    const char* p;
    if (!take(1, p))
        return false;
    v = std::uint8_t(p[0]);
    return true;
}

bool ByteReader::readUInt16(std::uint16_t& v)
{
    const char* p;
    if (!take(2, p))
        return false;
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    v = std::uint16_t(u[0] | (u[1] << 8));
    return true;
}

bool ByteReader::readUInt32(std::uint32_t& v)
{
    const char* p;
    if (!take(4, p))
        return false;
    v = qFromLittleEndian<std::uint32_t>(p);
    return true;
}

bool ByteReader::readInt32(std::int32_t& v)
{
    std::uint32_t u;
    if (!readUInt32(u))
        return false;
    v = std::int32_t(u);
    return true;
}

bool ByteReader::readBytes(qsizetype count, QByteArray& out)
{
    const char* p;
    if (!take(count, p))
        return false;
    out = QByteArray(p, count);
    return true;
}

bool ByteReader::peekView(qsizetype count, QByteArrayView& out) const
{
    if (count < 0 || count > remaining()) {
        out = {};
        return false;
    }
    out = data_.sliced(pos_, count);
    return true;
}

void ByteWriter::grow(qsizetype n)
{
    data_.resize(std::max(size_ + n, std::max<qsizetype>(64, 2 * data_.size())));
}

void ByteWriter::writeUInt16(std::uint16_t v)
{
    qToLittleEndian(v, extend(2));
}

void ByteWriter::writeUInt32(std::uint32_t v)
{
    qToLittleEndian(v, extend(4));
}

void ByteWriter::patchInt32(qsizetype offset, std::int32_t v)
{
    Q_ASSERT(offset >= 0 && offset + 4 <= size_);
    qToLittleEndian(std::uint32_t(v), data_.data() + offset);
}

} // namespace molvane
