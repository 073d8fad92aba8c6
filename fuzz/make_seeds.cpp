// Writes the seed inputs of every fuzz target: make_seeds DIR creates DIR/<target>/ and fills it with
// small, valid inputs made by the program's own writers (figure files with every kind of figure,
// undo snapshots, clipboard streams, BMP and JPEG pictures, settings text, CP932 text). BMP depths the
// writer never produces (1, 4, 8 and 32 bits, other headers, top-down rows) are laid out here byte by
// byte, the way other programs write them.
#include "document/clipboard_picture.h"
#include "document/figure_file.h"
#include "document/figure_stream.h"
#include "painting/paint_snapshot.h"
#include "platform/atomic_file.h"
#include "platform/bmp_codec.h"
#include "platform/byte_stream.h"
#include "platform/cp932.h"
#include "platform/ini_file.h"
#include "platform/jpeg_codec.h"
#include "settings/settings_file.h"

#include <QBuffer>
#include <QDir>
#include <QMimeData>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <tuple>

using namespace molvane;

namespace {

int failures = 0;

// Writes one seed, after making sure its reader takes it: a seed the reader refuses would only
// exercise the first few checks.
void put(const QString& dir, const QString& name, const QByteArray& bytes, bool (*readable)(QByteArrayView))
{
    QString why = QStringLiteral("(not readable)");
    if (bytes.isEmpty() || !readable(bytes) || !QDir().mkpath(dir) ||
        !writeFileAtomically(QDir(dir).filePath(name), bytes, &why)) {
        std::fprintf(stderr, "make_seeds: cannot write %s/%s %s\n", qPrintable(dir), qPrintable(name),
                     qPrintable(why));
        ++failures;
    }
}

bool isFigureFile(QByteArrayView b)
{
    return decodeFigureFile(b).ok();
}
bool isUndoSnapshot(QByteArrayView b)
{
    FigureList list;
    return decodeUndoSnapshot(b, list);
}
bool isClipboard(QByteArrayView b)
{
    return decodeClipboard(b).ok;
}
bool isBmp(QByteArrayView b)
{
    return readBmp(b).ok();
}
bool isJpeg(QByteArrayView b)
{
    return readJpeg(b).ok();
}
// Pasted from the clipboard as a PNG or as a BMP, whichever it is.
bool isClipboardPicture(QByteArrayView b)
{
    for (const char* type : {"image/png", "image/bmp"}) {
        QMimeData offered;
        offered.setData(QString::fromLatin1(type), b.toByteArray());
        if (readClipboardPicture(&offered).outcome == ClipboardPicture::Outcome::Picture)
            return true;
    }
    return false;
}
// The picture as Qt's writer of this format writes it (as other programs offer it).
QByteArray qtEncoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}
bool isText(QByteArrayView)
{
    return true;
}

QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 53) & 0xFF, (y * 91) & 0xFF, ((x + y) * 37) & 0xFF));
    return image;
}

TFigure lineFigure(int kind, QPoint a, QPoint b)
{
    TFigure f;
    f.kind = kind;
    f.cursorPrecision = 1;
    f.lineWidth = 2;
    f.penColor = clBlack;
    f.ends[kMainStart] = a;
    f.ends[kMainEnd] = b;
    f.ends[kSecondStart] = a + QPoint(0, 4);
    f.ends[kSecondEnd] = b + QPoint(0, 4);
    f.ends[kThirdStart] = a - QPoint(0, 4);
    f.ends[kThirdEnd] = b - QPoint(0, 4);
    f.freeEnds = f.ends;
    f.handle = (a + b) / 2;
    f.extremes = {QPoint(std::min(a.x(), b.x()), a.y()), QPoint(a.x(), std::min(a.y(), b.y())),
                  QPoint(std::max(a.x(), b.x()), b.y()), QPoint(b.x(), std::max(a.y(), b.y()))};
    f.margins = {-1, -1, 1, 1};
    return f;
}

// One figure of every kind that is stored, a tip connection, a fill naming its surroundings and a
// picture.
FigureList everyKind()
{
    FigureList list;
    TFigure moji = lineFigure(fkMoji, {40, 40}, {40, 40});
    moji.fontName = QStringLiteral("ＭＳ Ｐゴシック");
    moji.text = QStringLiteral("NH2");
    list.push_back(moji);
    TFigure text = lineFigure(fkMoji, {80, 40}, {80, 40});
    text.fontName = QStringLiteral("Times New Roman");
    text.text = QStringLiteral("ﾍﾞﾝｾﾞﾝ環\r\n②行目");
    text.shape = 1;
    list.push_back(text);
    list.push_back(lineFigure(fkSingle, {10, 10}, {50, 10}));
    TFigure joined = lineFigure(fkDouble, {50, 10}, {70, 30});
    joined.ends[kMainStart] = {51, 11}; // joined to the bond before it
    joined.shape = 2;
    list.push_back(joined);
    list.push_back(lineFigure(fkTriple, {10, 60}, {60, 60}));
    TFigure curve = lineFigure(fkCurve, {10, 90}, {60, 90});
    curve.shape = 30;
    list.push_back(curve);
    TFigure arrow = lineFigure(fkArrow, {10, 120}, {60, 110});
    arrow.shape = -20;
    arrow.penStyle = 1;
    list.push_back(arrow);
    TFigure wedge = lineFigure(fkStereo, {100, 10}, {140, 20});
    wedge.shape = 1;
    list.push_back(wedge);
    TFigure free = lineFigure(fkFree, {100, 60}, {140, 90});
    free.points = {{100, 60}, {110, 70}, {125, 65}, {140, 90}};
    list.push_back(free);
    TFigure lobe = lineFigure(fkPai, {160, 40}, {160, 10});
    lobe.fillColor = clSilver;
    list.push_back(lobe);
    TFigure circle = lineFigure(fkCircle, {170, 70}, {190, 90});
    circle.penStyle = 2;
    list.push_back(circle);
    // Surrounded by the three bonds at indices 2, 3 and 4.
    TFigure fill = lineFigure(fkNuri, {30, 30}, {30, 30});
    fill.fillColor = clRed;
    fill.points = {{2, 0}, {3, 0}, {4, 0}};
    list.push_back(fill);
    TFigure picture = lineFigure(fkPicture, {200, 10}, {200, 10});
    picture.picture = pattern(3, 2);
    picture.sizeStep = 1;
    list.push_back(picture);
    TFigure noPicture = lineFigure(fkPicture, {210, 10}, {210, 10});
    list.push_back(noPicture);
    return list;
}

// A BMP as other programs write it: 1, 4 or 8 bits with a palette (a core header has every entry),
// 24 or 32 bits; a header of 12 (core), 40, 108 or 124 bytes; BI_BITFIELDS masks for 32 bits when
// asked for; rows bottom-up unless topDown.
QByteArray handMadeBmp(int bits, int width, int height, int headerSize, bool topDown, bool bitfields,
                       int coloursUsed = 0)
{
    const bool core = headerSize == 12;
    const int paletteEntries = bits <= 8 ? (coloursUsed ? coloursUsed : 1 << bits) : 0;
    const int entryBytes = core ? 3 : 4;
    const int maskBytes = headerSize == 40 && bitfields ? 12 : 0;
    const int stride = (width * bits + 31) / 32 * 4;
    const int pixelOffset = 14 + headerSize + maskBytes + paletteEntries * entryBytes;
    ByteWriter out;
    out.writeUInt8('B');
    out.writeUInt8('M');
    out.writeUInt32(std::uint32_t(pixelOffset + stride * height));
    out.writeUInt32(0);
    out.writeUInt32(std::uint32_t(pixelOffset));
    out.writeUInt32(std::uint32_t(headerSize));
    if (core) {
        out.writeUInt16(std::uint16_t(width));
        out.writeUInt16(std::uint16_t(height));
        out.writeUInt16(1);
        out.writeUInt16(std::uint16_t(bits));
    } else {
        out.writeInt32(width);
        out.writeInt32(topDown ? -height : height);
        out.writeUInt16(1);
        out.writeUInt16(std::uint16_t(bits));
        out.writeUInt32(bitfields ? 3 : 0);
        out.writeUInt32(std::uint32_t(stride * height));
        out.writeInt32(2835);
        out.writeInt32(2835);
        out.writeUInt32(std::uint32_t(coloursUsed));
        out.writeUInt32(0);
        if (headerSize > 40 || bitfields) {
            // Red in the low bits, blue in the high ones: not the usual order, so the masks matter.
            out.writeUInt32(bitfields ? 0x000003FF : 0x00FF0000);
            out.writeUInt32(bitfields ? 0x000FFC00 : 0x0000FF00);
            out.writeUInt32(bitfields ? 0x3FF00000 : 0x000000FF);
        }
        if (headerSize > 40)
            out.writeZeros(headerSize - 52); // alpha mask, colour space, end points, gamma, intent...
    }
    for (int i = 0; i < paletteEntries; ++i) {
        out.writeUInt8(std::uint8_t(i * 37));
        out.writeUInt8(std::uint8_t(255 - i * 11));
        out.writeUInt8(std::uint8_t(i * 5));
        if (!core)
            out.writeUInt8(0);
    }
    for (int y = 0; y < height; ++y)
        for (int i = 0; i < stride; ++i)
            out.writeUInt8(std::uint8_t((y * 29 + i * 71) & 0xFF));
    return out.take();
}

QByteArray settingsText()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("設定ファイル.ini"));
    SettingsData data = startupSettings(dir.filePath(QStringLiteral("部分画像ファイル")));
    data.env.saveFolder = QStringLiteral("C:\\図形\\保存");
    QByteArray bytes;
    if (!saveSettings(path, data) || !readWholeFile(path, bytes))
        ++failures;
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds DIR\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const auto folder = [&](const char* target) { return root.filePath(QString::fromLatin1(target)); };

    const FigureList all = everyKind();
    const FigureList one{lineFigure(fkSingle, {5, 5}, {25, 5})};
    const FigureList fillOnly{all[2], all[3], all[4], all[11]};

    const QString figures = folder("figure_file_reader_fuzz");
    put(figures, "every-kind.fga", encodeFigureFile({300, 200, 0, 0}, QImage(), all, {}), isFigureFile);
    put(figures, "background.fga", encodeFigureFile({60, 40, 0, 0}, pattern(4, 3), one, {}), isFigureFile);
    put(figures, "partial.fgb", encodeFigureFile({120, 80, 10, 20}, QImage(), fillOnly, {-10, -20}),
        isFigureFile);
    put(figures, "empty.fga", encodeFigureFile({1500, 1000, 0, 0}, QImage(), {}, {}), isFigureFile);
    put(figures, "zero-region.fga", encodeFigureFile({0, 0, 3, 4}, QImage(), one, {}), isFigureFile);

    const QString snapshots = folder("undo_snapshot_reader_fuzz");
    put(snapshots, "every-kind", encodeUndoSnapshot(all), isUndoSnapshot);
    put(snapshots, "one-bond", encodeUndoSnapshot(one), isUndoSnapshot);
    put(snapshots, "empty", emptyUndoSnapshot(), isUndoSnapshot);

    const QString strokes = folder("paint_snapshot_reader_fuzz");
    const auto isPaintSnapshot = [](QByteArrayView b) { return !readPaintSnapshot(b).damaged; };
    FigureList pictured(1);
    pictured[0].kind = fkPicture;
    pictured[0].picture = pattern(5, 3);
    put(strokes, "every-kind", PaintSnapshot::of({300, 200}, all).layoutBytes(), isPaintSnapshot);
    put(strokes, "picture", PaintSnapshot::of({40, 30}, pictured).layoutBytes(), isPaintSnapshot);
    put(strokes, "reset", PaintSnapshot::empty({600, 400}).layoutBytes(), isPaintSnapshot);

    const QString clipboard = folder("clipboard_reader_fuzz");
    put(clipboard, "every-kind", encodeClipboard({260, 140, 5, 5}, all), isClipboard);
    put(clipboard, "fill", encodeClipboard({80, 50, 10, 10}, fillOnly), isClipboard);
    put(clipboard, "nothing", encodeClipboard({1, 1, 0, 0}, {}), isClipboard);

    const QString bmp = folder("bmp_reader_fuzz");
    put(bmp, "written-24.bmp", writeBmp(pattern(5, 3)), isBmp);
    put(bmp, "1-bit.bmp", handMadeBmp(1, 13, 3, 40, false, false), isBmp);
    put(bmp, "4-bit-top-down.bmp", handMadeBmp(4, 7, 3, 40, true, false), isBmp);
    put(bmp, "4-bit-6-colours.bmp", handMadeBmp(4, 5, 2, 40, false, false, 6), isBmp);
    put(bmp, "8-bit.bmp", handMadeBmp(8, 6, 4, 40, false, false), isBmp);
    put(bmp, "4-bit-core.bmp", handMadeBmp(4, 3, 3, 12, false, false), isBmp);
    put(bmp, "24-bit-core.bmp", handMadeBmp(24, 3, 2, 12, false, false), isBmp);
    put(bmp, "32-bit.bmp", handMadeBmp(32, 4, 3, 40, false, false), isBmp);
    put(bmp, "32-bit-bitfields.bmp", handMadeBmp(32, 4, 2, 40, true, true), isBmp);
    put(bmp, "32-bit-v4.bmp", handMadeBmp(32, 3, 3, 108, false, true), isBmp);
    put(bmp, "24-bit-v5.bmp", handMadeBmp(24, 3, 3, 124, false, false), isBmp);

    const QString jpeg = folder("jpeg_reader_fuzz");
    for (const auto& [name, image, quality] :
         {std::tuple{"gradient-16.jpg", pattern(16, 16), 100}, std::tuple{"odd-17x9.jpg", pattern(17, 9), 75},
          std::tuple{"one-pixel.jpg", pattern(1, 1), 30}}) {
        put(jpeg, name, writeJpeg(image, quality).bytes, isJpeg);
    }

    const QString pasted = folder("clipboard_picture_fuzz");
    QImage translucent = pattern(6, 4).convertToFormat(QImage::Format_ARGB32);
    translucent.setPixel(1, 1, qRgba(10, 20, 30, 0));
    put(pasted, "rgb.png", qtEncoded(pattern(7, 5), "PNG"), isClipboardPicture);
    put(pasted, "alpha.png", qtEncoded(translucent, "PNG"), isClipboardPicture);
    put(pasted, "indexed.png", qtEncoded(pattern(5, 5).convertToFormat(QImage::Format_Indexed8), "PNG"),
        isClipboardPicture);
    put(pasted, "written-24.bmp", writeBmp(pattern(5, 3)), isClipboardPicture);
    put(pasted, "8-bit.bmp", handMadeBmp(8, 6, 4, 40, false, false), isClipboardPicture);

    const QString ini = folder("ini_reader_fuzz");
    put(ini, "settings.ini", settingsText(), isText);
    IniFile handWritten = IniFile::fromText(
        QStringLiteral("; コメント\r\n[表示]\r\n罫線色 = "
                       "12632256\r\n\r\n[Files]\nLast=a=b.fga\n[表示]\nignored=1\n[broken\r\n"));
    handWritten.setValue(QStringLiteral("図形保存"), QStringLiteral("保存フォルダ"),
                         QStringLiteral("D:\\図"));
    put(ini, "hand-written.ini", handWritten.toBytes(), isText);
    put(ini, "utf-8-bom.ini", QByteArray("\xEF\xBB\xBF") + handWritten.toText().toUtf8(), isText);

    const QString cp932 = folder("cp932_decode_fuzz");
    put(cp932, "japanese.txt", toCp932(QStringLiteral("ベンゼン環の二重結合、ｶﾀｶﾅ、全角ＡＢＣ、①②、～－∥￠")),
        isText);
    put(cp932, "ibm-extensions.txt", toCp932(QStringLiteral("纊褜鍈銈蓜俉炻昱棈鋹曻彅丨仡仼伀")), isText);
    put(cp932, "ascii.txt", toCp932(QStringLiteral("C6H5-CH3 [key]=value\r\n")), isText);
    put(cp932, "broken.txt", QByteArray("A\x82\x20\x81\xFF\x80\xA0\xFD\x82\xA0", 10), isText);

    if (failures > 0)
        return 1;
    std::printf("seeds written to %s\n", argv[1]);
    return 0;
}
