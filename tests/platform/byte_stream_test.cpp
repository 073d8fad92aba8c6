#include "platform/byte_stream.h"

#include <gtest/gtest.h>

using namespace molvane;

TEST(ByteStream, WritesLittleEndianAndReadsItBack)
{
    ByteWriter w;
    w.writeInt32(-2);
    w.writeUInt16(0xBEEF);
    w.writeUInt8(7);
    w.writeUInt32(0x01020304);
    const QByteArray bytes = w.data().toByteArray();
    ASSERT_EQ(bytes.size(), 11);
    EXPECT_EQ(bytes.left(4), QByteArray("\xFE\xFF\xFF\xFF", 4));
    EXPECT_EQ(bytes.mid(4, 2), QByteArray("\xEF\xBE", 2));
    EXPECT_EQ(bytes.mid(7, 4), QByteArray("\x04\x03\x02\x01", 4));

    ByteReader r(bytes);
    std::int32_t i;
    std::uint16_t s;
    std::uint8_t b;
    std::uint32_t u;
    ASSERT_TRUE(r.readInt32(i) && r.readUInt16(s) && r.readUInt8(b) && r.readUInt32(u));
    EXPECT_EQ(i, -2);
    EXPECT_EQ(s, 0xBEEF);
    EXPECT_EQ(b, 7);
    EXPECT_EQ(u, 0x01020304u);
    EXPECT_TRUE(r.atEnd());
}

TEST(ByteStream, ReadsPastTheEndFailAndLeaveThePositionAlone)
{
    const QByteArray bytes("\x01\x02\x03", 3);
    ByteReader r(bytes);
    std::int32_t i = 42;
    EXPECT_FALSE(r.readInt32(i));
    EXPECT_EQ(i, 42);
    EXPECT_EQ(r.position(), 0);
    QByteArray out;
    EXPECT_FALSE(r.readBytes(4, out));
    EXPECT_FALSE(r.readBytes(-1, out));
    EXPECT_FALSE(r.skip(4));
    EXPECT_FALSE(r.seek(4));
    EXPECT_TRUE(r.seek(3));
    EXPECT_TRUE(r.atEnd());
    EXPECT_TRUE(r.readBytes(0, out));
    EXPECT_TRUE(out.isEmpty());
}

TEST(ByteStream, PatchOverwritesASizeFieldWrittenEarlier)
{
    ByteWriter w;
    w.writeInt32(0);
    w.writeBytes("abcdef");
    w.patchInt32(0, int(w.size()));
    ByteReader r(w.data());
    std::int32_t size;
    ASSERT_TRUE(r.readInt32(size));
    EXPECT_EQ(size, 10);
}
