#include "document/figure_stream.h"

#include "platform/bmp_codec.h"

#include <gtest/gtest.h>
#include <set>

using namespace molvane;

namespace {

std::int32_t int32At(const QByteArray& b, int offset)
{
    ByteReader r(QByteArrayView(b).sliced(offset));
    std::int32_t v = 0;
    EXPECT_TRUE(r.readInt32(v));
    return v;
}

TFigure sampleBond()
{
    TFigure f;
    f.kind = fkSingle;
    f.cursorPrecision = 4;
    f.fineMoved = true;
    f.penColor = 0x010203;
    f.auxColor = 0x040506;
    f.fillColor = 0x070809;
    f.penStyle = 2;
    f.lineWidth = 3;
    f.shape = -5;
    f.sizeStep = 1;
    f.reserved = 77;
    for (int i = 0; i < 6; ++i) {
        f.ends[std::size_t(i)] = {100 + i, 200 + i};
        f.freeEnds[std::size_t(i)] = {300 + i, 400 + i};
    }
    f.handle = {11, 12};
    f.extremes = {QPoint(21, 22), QPoint(23, 24), QPoint(25, 26), QPoint(27, 28)};
    f.margins = {-1, -2, 3, 4};
    f.selected = f.frameShown = true;
    return f;
}

QByteArray encoded(const TFigure& f, QPoint offset = {})
{
    ByteWriter w;
    writeFigureRecord(w, f, offset);
    return w.take();
}

QByteArray encodedList(const FigureList& list)
{
    ByteWriter w;
    writeFigureList(w, list);
    return w.take();
}

bool decode(const QByteArray& bytes, TFigure& f, qsizetype limit = -1)
{
    ByteReader r(bytes);
    return readFigureRecord(r, limit < 0 ? bytes.size() : limit, f);
}

} // namespace

TEST(FigureStream, ASingleBondRecordIs202BytesWithEveryFieldInPlace)
{
    const QByteArray b = encoded(sampleBond());
    ASSERT_EQ(b.size(), kSmallestFigureRecord);
    EXPECT_EQ(int32At(b, 0), fkSingle);
    EXPECT_EQ(int32At(b, 4), 4);
    EXPECT_EQ(b[8], 0);  // freeForm
    EXPECT_EQ(b[9], 1);  // fineMoved
    EXPECT_EQ(int32At(b, 10), 0x010203);
    EXPECT_EQ(int32At(b, 14), 0x040506);
    EXPECT_EQ(int32At(b, 18), 0x070809);
    EXPECT_EQ(int32At(b, 22), 2);
    EXPECT_EQ(int32At(b, 26), 3);
    EXPECT_EQ(int32At(b, 30), -5);
    EXPECT_EQ(int32At(b, 34), 1);
    EXPECT_EQ(int32At(b, 38), 77);
    // Ends interleaved: 0, 3, 1, 4, 2, 5.
    const int order[6] = {0, 3, 1, 4, 2, 5};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(int32At(b, 42 + 8 * i), 100 + order[i]) << i;
        EXPECT_EQ(int32At(b, 46 + 8 * i), 200 + order[i]) << i;
        EXPECT_EQ(int32At(b, 90 + 8 * i), 300 + order[i]) << i;
    }
    EXPECT_EQ(int32At(b, 138), 11); // handle
    EXPECT_EQ(int32At(b, 146), 21); // extremes[0].x
    EXPECT_EQ(int32At(b, 174), 28); // extremes[3].y
    EXPECT_EQ(int32At(b, 178), -1); // margins
    EXPECT_EQ(int32At(b, 190), 4);
    EXPECT_EQ(int32At(b, 194), 0); // empty font name: four zero bytes
    EXPECT_EQ(int32At(b, 198), 0); // empty text
}

TEST(FigureStream, RecordsRoundTripExceptTheSelectionFlags)
{
    TFigure f = sampleBond();
    f.kind = fkMoji;
    f.fontName = "ＭＳ Ｐゴシック";
    f.text = "CH₂\r\nOH";
    TFigure back;
    ASSERT_TRUE(decode(encoded(f), back));
    EXPECT_EQ(back.fontName, f.fontName);
    EXPECT_EQ(back.text, "CH?\r\nOH") << "a character CP932 cannot hold is stored as ?";
    EXPECT_EQ(back.ends, f.ends);
    EXPECT_EQ(back.freeEnds, f.freeEnds);
    EXPECT_EQ(back.extremes, f.extremes);
    EXPECT_EQ(back.margins, f.margins);
    EXPECT_EQ(back.reserved, 77);
    EXPECT_TRUE(back.fineMoved);
    EXPECT_FALSE(back.selected);
    EXPECT_FALSE(back.frameShown);
    // The text is CP932: "ＭＳ Ｐゴシック" is 15 bytes.
    EXPECT_EQ(int32At(encoded(f), 194), 15);
}

TEST(FigureStream, TextsAreStoredByteForByteWhetherEitherOrBothAreEmpty)
{
    TFigure f = sampleBond();
    f.kind = fkMoji;
    f.text = "COOH";
    QByteArray b = encoded(f);
    EXPECT_EQ(int32At(b, 194), 0);
    EXPECT_EQ(int32At(b, 198), 4);
    EXPECT_EQ(b.mid(202), "COOH");

    f.fontName = "Arial";
    f.text.clear();
    b = encoded(f);
    EXPECT_EQ(int32At(b, 194), 5);
    EXPECT_EQ(b.mid(198, 5), "Arial");
    EXPECT_EQ(int32At(b, 203), 0);
    EXPECT_EQ(b.size(), 207);

    // A text whose first character is ASCII and whose last is not is encoded whole.
    f.fontName.clear();
    f.text = QStringLiteral("C°");
    b = encoded(f);
    EXPECT_EQ(int32At(b, 198), 3);
    EXPECT_EQ(b.mid(202), QByteArray("C\x81\x8B"));
}

TEST(FigureStream, PointsAreWrittenOnlyForFreeCurvesFillsAndFreeRanges)
{
    TFigure f = sampleBond();
    f.points = {{1, 2}, {3, 4}};
    EXPECT_EQ(encoded(f).size(), 202) << "a bond's points are not stored";
    for (int kind : {fkFree, fkNuri}) {
        f.kind = kind;
        EXPECT_EQ(encoded(f).size(), 202 + 4 + 16) << kind;
    }
    f.kind = fkRange;
    f.freeForm = true;
    EXPECT_EQ(encoded(f).size(), 202 + 4 + 16);
}

TEST(FigureStream, AnOffsetMovesPositionsButNotAFillsIndicesOrTheMargins)
{
    TFigure free = sampleBond();
    free.kind = fkFree;
    free.points = {{5, 6}};
    TFigure back;
    ASSERT_TRUE(decode(encoded(free, {-100, 10}), back));
    EXPECT_EQ(back.ends[kMainEnd], QPoint(3, 213));
    EXPECT_EQ(back.freeEnds[kThirdEnd], QPoint(205, 415));
    EXPECT_EQ(back.handle, QPoint(-89, 22));
    EXPECT_EQ(back.extremes[kBottommost], QPoint(-73, 38));
    EXPECT_EQ(back.points[0], QPoint(-95, 16));
    EXPECT_EQ(back.margins, (TMargins{-1, -2, 3, 4}));

    TFigure fill = free;
    fill.kind = fkNuri;
    fill.points = {{2, 0}, {7, 0}};
    ASSERT_TRUE(decode(encoded(fill, {-100, 10}), back));
    EXPECT_EQ(back.points, (TDynamicPtArray{{2, 0}, {7, 0}}));
}

TEST(FigureStream, APictureIsStoredAsAWholeBmpFile)
{
    TFigure f = sampleBond();
    f.kind = fkPicture;
    f.picture = QImage(3, 2, QImage::Format_RGB32);
    f.picture.image().fill(qRgb(10, 20, 30));
    const QByteArray b = encoded(f);
    const std::int32_t k = int32At(b, 202);
    EXPECT_EQ(b.size(), 206 + k);
    EXPECT_EQ(b.mid(206, 2), "BM");
    TFigure back;
    ASSERT_TRUE(decode(b, back));
    EXPECT_EQ(back.picture.size(), QSize(3, 2));
    EXPECT_EQ(back.picture.image().pixel(2, 1), qRgb(10, 20, 30));
}

TEST(FigureStream, LengthsPastTheLimitOrTheDataOrNegativeAreBadRecords)
{
    TFigure f = sampleBond();
    f.text = "abc";
    const QByteArray b = encoded(f);
    TFigure back;
    EXPECT_FALSE(decode(b, back, b.size() - 1)) << "the text reaches past the declared total";
    EXPECT_TRUE(decode(b, back, b.size()));
    EXPECT_FALSE(decode(b.left(b.size() - 1), back, b.size())) << "the total claims more than is there";
    QByteArray negative = b;
    negative[198] = char(0xFF);
    negative[199] = negative[200] = negative[201] = char(0xFF);
    EXPECT_FALSE(decode(negative, back));
    // A free curve claiming a billion points in a small record fails before allocating.
    TFigure free = sampleBond();
    free.kind = fkFree;
    QByteArray huge = encoded(free);
    huge.chop(4);
    huge.append(QByteArray("\x00\xCA\x9A\x3B", 4));
    EXPECT_FALSE(decode(huge, back));
    for (int cut = 0; cut < b.size(); cut += 7)
        EXPECT_FALSE(decode(b.left(cut), back)) << cut;
    // A record without texts ends with two lengths of zero, which must lie within the limit and the data.
    const QByteArray bare = encoded(sampleBond());
    EXPECT_TRUE(decode(bare, back, bare.size()));
    for (int shortBy : {1, 4, 7, 8})
        EXPECT_FALSE(decode(bare, back, bare.size() - shortBy)) << shortBy;
    for (int shortBy : {1, 5})
        EXPECT_FALSE(decode(bare.left(bare.size() - shortBy), back, bare.size())) << shortBy;
}

TEST(FigureStream, AListStopsAtItsFirstBadRecordKeepingTheOnesBefore)
{
    FigureList list(3, sampleBond());
    list[1].text = "second";
    const QByteArray b = encodedList(list);
    FigureList back;
    ByteReader all(b);
    EXPECT_TRUE(readFigureList(all, b.size(), back).ok);
    EXPECT_EQ(back.size(), 3u);
    back.clear();
    ByteReader cut(b);
    const FigureListRead read = readFigureList(cut, 4 + 202 + 100, back);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.declared, 3);
    EXPECT_EQ(back.size(), 1u);
    // A negative count is bad at once.
    QByteArray negative = b;
    negative[3] = char(0x80);
    back.clear();
    ByteReader neg(negative);
    EXPECT_FALSE(readFigureList(neg, negative.size(), back).ok);
    EXPECT_TRUE(back.empty());
}

namespace {

// A character figure with the text and font name given.
TFigure characterFigure(const QString& text, const QString& fontName)
{
    TFigure f = sampleBond();
    f.kind = fkMoji;
    f.text = text;
    f.fontName = fontName;
    return f;
}

// The list written and read back whole.
FigureList readBackList(const FigureList& list)
{
    const QByteArray b = encodedList(list);
    FigureList back;
    ByteReader r(b);
    EXPECT_TRUE(readFigureList(r, b.size(), back).ok);
    return back;
}

} // namespace

TEST(FigureStream, TextsAlikeButForOneByteInsideReadBackApart)
{
    // Of one length and with the same first and last bytes, such texts meet in the reader's table of
    // recent texts: only their bytes tell them apart, at every place and on every length.
    FigureList list;
    for (int n = 1; n <= 26; ++n) {
        const QString same(n, QLatin1Char('A'));
        for (int k = 0; k < n; ++k) {
            QString other = same;
            other[k] = QLatin1Char('B');
            for (const QString& text : {same, other, same, other})
                list.push_back(characterFigure(text, {}));
        }
    }
    const FigureList back = readBackList(list);
    ASSERT_EQ(back.size(), list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        ASSERT_EQ(back[i].text, list[i].text) << i;
}

TEST(FigureStream, ManyRepeatedTextsEachReadBackAsWritten)
{
    // 150 distinct texts, far more than the reader keeps at hand: many of one length, prefixes of each
    // other and Japanese, repeated in a scrambled order.
    std::vector<QString> texts;
    for (int i = 0; i < 150; ++i)
        texts.push_back(i % 3 == 0   ? QStringLiteral("C%1").arg(i, 3, 10, QLatin1Char('0'))
                        : i % 3 == 1 ? QStringLiteral("ベンゼン").left(1 + i % 4) + QString::number(i)
                                     : QStringLiteral("CH").repeated(1 + i % 5) + QString::number(i));
    ASSERT_EQ(std::set<QString>(texts.begin(), texts.end()).size(), texts.size());
    FigureList list;
    for (int i = 0; i < 600; ++i)
        list.push_back(characterFigure(texts[std::size_t((i * 37) % 150)], texts[std::size_t((i * 11 + 5) % 150)]));
    const FigureList back = readBackList(list);
    ASSERT_EQ(back.size(), list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(back[i].text, list[i].text) << i;
        EXPECT_EQ(back[i].fontName, list[i].fontName) << i;
    }
}

namespace {

TFigure freeCurve(int n, int first)
{
    TFigure f = sampleBond();
    f.kind = fkFree;
    for (int i = 0; i < n; ++i)
        f.points.push_back({first + i, first - i});
    return f;
}

} // namespace

TEST(FigureStream, FreeCurvesReadTogetherChangeApartAndOutliveTheBytesAndTheReader)
{
    const FigureList list{freeCurve(5, 10), freeCurve(0, 0), freeCurve(7, 100)};
    FigureList back = readBackList(list); // the bytes are gone once it returns
    ASSERT_EQ(back.size(), 3u);
    FigureList copy = back;

    shiftFigure(copy[0], 1000, 0);
    back[2].points.push_back({-1, -1});
    copy[1].points.push_back({-2, -2});

    EXPECT_EQ(back[0].points, list[0].points);
    EXPECT_EQ(copy[0].points.front(), QPoint(1010, 10));
    EXPECT_EQ(copy[0].points.size(), 5);
    EXPECT_TRUE(back[1].points.isEmpty());
    EXPECT_EQ(copy[1].points, TDynamicPtArray{QPoint(-2, -2)});
    EXPECT_EQ(copy[2].points, list[2].points);
    EXPECT_EQ(back[2].points.size(), 8);
    EXPECT_EQ(back[2].points.back(), QPoint(-1, -1));
}

TEST(FigureStream, ARecordDroppedAfterItsPointsWereReadLeavesTheListsBeforeItWhole)
{
    TFigure picture = sampleBond();
    picture.kind = fkPicture;
    picture.freeForm = true; // a free range carries points, read before its picture
    picture.points = {QPoint(1, 2), QPoint(3, 4)};
    picture.picture = QImage(3, 2, QImage::Format_RGB32);
    picture.picture.image().fill(Qt::white);
    QByteArray b = encodedList({freeCurve(4, 1), freeCurve(6, 50), picture});
    const qsizetype bmp = b.lastIndexOf("BM");
    ASSERT_GT(bmp, 0);
    b[bmp] = 'X'; // not a BMP file: the picture figure is not read

    FigureList back;
    {
        ByteReader r(b);
        EXPECT_FALSE(readFigureList(r, b.size(), back).ok);
    }
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].points, freeCurve(4, 1).points);
    EXPECT_EQ(back[1].points, freeCurve(6, 50).points);
}
