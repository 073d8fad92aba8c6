// Real formulas drawn through the main window with the mouse, compared with reference pictures in
// tests/data/reference/ (made by this test with MOLVANE_WRITE_REFERENCES=1 and checked by eye). A failure
// writes the actual and the expected picture into the test output folder.
//
// Each formula is also exported as SVG and PDF and read back by programs that are not Qt (rsvg-convert,
// pdftoppm): at the canvas's size, thresholded at 50 % grey, at most 3 % of the drawing bitmap's ink
// pixels may have no ink beside them in the other picture, or the other way round.

#include "document/vector_export.h"
#include "main_window_driver.h"
#include "support/image_test_util.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

using namespace molvane;
using namespace molvane::test;

namespace {

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// Where a picture is ink after thresholding at 50 % grey.
std::vector<bool> inkOf(const QImage& picture)
{
    std::vector<bool> ink(std::size_t(picture.width()) * std::size_t(picture.height()));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ink[std::size_t(y) * std::size_t(picture.width()) + std::size_t(x)] = isInk(picture.pixel(x, y));
    return ink;
}

struct InkDifference {
    double exact = 1;     // pixels ink in one picture and not in the other, over the first's ink pixels
    double displaced = 1; // the same, counting only pixels with no ink of the other picture next to them
};

InkDifference inkDifference(const QImage& expected, const QImage& actual)
{
    if (expected.size() != actual.size())
        return {};
    const int w = expected.width(), h = expected.height();
    const std::vector<bool> a = inkOf(expected), b = inkOf(actual);
    const auto at = [w](const std::vector<bool>& ink, int x, int y) {
        return ink[std::size_t(y) * std::size_t(w) + std::size_t(x)];
    };
    const auto near = [&](const std::vector<bool>& ink, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (x + dx >= 0 && x + dx < w && y + dy >= 0 && y + dy < h && at(ink, x + dx, y + dy))
                    return true;
        return false;
    };
    qint64 ink = 0, differing = 0, displaced = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool wanted = at(a, x, y), got = at(b, x, y);
            ink += wanted;
            differing += wanted != got;
            displaced += (wanted && !near(b, x, y)) || (got && !near(a, x, y));
        }
    if (ink == 0)
        return {};
    return {double(differing) / double(ink), double(displaced) / double(ink)};
}

// Runs a program that writes a PNG and reads the PNG back.
QImage rasterised(const QString& program, const QStringList& arguments, const QString& png)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << ": " << process.readAllStandardError().toStdString();
        return {};
    }
    return QImage(png).convertToFormat(QImage::Format_RGB32);
}

const QPoint kRing[6] = {{240, 216}, {282, 240}, {282, 288}, {240, 312}, {198, 288}, {198, 240}};

class ReferenceDrawings : public MainWindowDriver {
protected:
    void tool(const char* name) { button(name)->click(); }
    void shape(int value) { form->findChild<TUpDown*>("UpDown3")->setValue(value); }
    void width(int value) { form->findChild<TUpDown*>("UpDown4")->setValue(value); }
    void ring(bool withDoubles)
    {
        for (int i = 0; i < 6; ++i) {
            tool(withDoubles && i % 2 ? "sbFuncDouble" : "sbFuncSingle");
            drag(kRing[i], kRing[(i + 1) % 6]);
        }
    }
    void label(const char* content, QPoint at)
    {
        prompts.expectInput(QString::fromUtf8("文字または短文を入力して下さい。"), QString::fromUtf8(content));
        rightPress(button("sbChar1"));
        button("sbChar1")->click();
        drag(at, at);
    }
    // The part of the drawing bitmap that holds the formula, against its reference picture.
    void compare(const char* name, QRect part = QRect(150, 130, 300, 240))
    {
        const QImage actual = form->drawing().bitmap().copy(part);
        const QString path = QStringLiteral(MOLVANE_TEST_DATA_DIR "/reference/%1.png").arg(QString::fromLatin1(name));
        if (qEnvironmentVariableIsSet("MOLVANE_WRITE_REFERENCES")) {
            QDir().mkpath(QFileInfo(path).absolutePath());
            ASSERT_TRUE(actual.save(path));
            return;
        }
        const QImage expected(path);
        ASSERT_FALSE(expected.isNull()) << path.toStdString();
        EXPECT_TRUE(imagesMostlyMatch(actual, expected.convertToFormat(QImage::Format_RGB32), 40,
                                      QString::fromLatin1(name)));
        compareVector(name);
    }

    QImage fromSvg, fromPdf;            // the last exports, rasterised
    QString svgText, pdfFonts;          // the SVG file, and what pdffonts says of the PDF

    VectorDrawing vector() const
    {
        const Drawing& d = form->drawing();
        return {d.canvasSize(), &d.figures, d.background, d.renderSettings(), {}, {}};
    }

    void compareVector(const char* name)
    {
        QTemporaryDir dir;
        const QString svg = dir.filePath("f.svg"), pdf = dir.filePath("f.pdf");
        ASSERT_TRUE(writeVectorFile(vector(), svg).ok);
        ASSERT_TRUE(writeVectorFile(vector(), pdf).ok);
        const QImage& bitmap = form->drawing().bitmap();
        fromSvg = rasterised("rsvg-convert", {"-b", "white", "-o", dir.filePath("svg.png"), svg},
                             dir.filePath("svg.png"));
        fromPdf = rasterised("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, dir.filePath("pdf")},
                             dir.filePath("pdf.png"));
        QFile svgFile(svg);
        svgFile.open(QIODevice::ReadOnly);
        svgText = QString::fromUtf8(svgFile.readAll());
        QProcess fonts;
        fonts.start("pdffonts", {pdf});
        fonts.waitForFinished(60000);
        pdfFonts = QString::fromUtf8(fonts.readAllStandardOutput());

        const InkDifference svgDifference = inkDifference(bitmap, fromSvg);
        const InkDifference pdfDifference = inkDifference(bitmap, fromPdf);
        // Antialiasing shades the pixels an edge passes through: a one-pixel line, or the side of an odd
        // width that runs through pixel centres, may land on either side of the threshold.
        for (const InkDifference& d : {svgDifference, pdfDifference}) {
            EXPECT_LE(d.displaced, 0.03) << name;
            EXPECT_LE(d.exact, 0.18) << name;
        }
        if (svgDifference.displaced > 0.03 || pdfDifference.displaced > 0.03) {
            saveForInspection(fromSvg, QStringLiteral("%1-svg").arg(QString::fromLatin1(name)));
            saveForInspection(fromPdf, QStringLiteral("%1-pdf").arg(QString::fromLatin1(name)));
        }
    }
};

} // namespace

TEST_F(ReferenceDrawings, BenzeneWithAHydroxyGroup)
{
    ring(true);
    tool("sbFuncSingle");
    drag(kRing[0], {240, 168});
    label("OH", {240, 156});
    compare("benzene-oh");
    // The text stays text: in the SVG with its stored face first, in the PDF with its font embedded.
    EXPECT_TRUE(svgText.contains(QStringLiteral(">OH</text>")));
    EXPECT_TRUE(svgText.contains(QStringLiteral("font-family=\"'ＭＳ Ｐゴシック', 'Noto Sans CJK JP'\"")));
    EXPECT_TRUE(pdfFonts.contains(QStringLiteral("NotoSansCJK"))) << pdfFonts.toStdString();
}

TEST_F(ReferenceDrawings, FilledAndHashedWedges)
{
    tool("sbFuncStereo");
    shape(8);
    drag({200, 300}, {260, 240});
    shape(-8);
    drag({260, 240}, {330, 280});
    tool("sbFuncSingle");
    drag({330, 280}, {400, 240});
    compare("wedges");
}

TEST_F(ReferenceDrawings, CurvedAndStraightArrows)
{
    tool("sbFuncAllow");
    shape(20);
    drag({180, 300}, {420, 300});
    shape(0);
    drag({180, 200}, {400, 160});
    compare("arrows");
}

TEST_F(ReferenceDrawings, AFilledRing)
{
    ring(false);
    tool("sbFuncNuri");
    click({240, 264});
    ASSERT_EQ(figures().back().kind, fkNuri);
    compare("filled-ring");
    // The fill fills the ring and stops at it: as many pixels of its colour as in the drawing.
    const QRgb fill = toQRgb(figures().back().fillColor);
    const auto filled = [fill](const QImage& picture) {
        int count = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb p = picture.pixel(x, y);
                count += std::abs(qRed(p) - qRed(fill)) < 8 && std::abs(qGreen(p) - qGreen(fill)) < 8 &&
                         std::abs(qBlue(p) - qBlue(fill)) < 8;
            }
        return count;
    };
    const int inDrawing = filled(form->drawing().bitmap());
    EXPECT_GT(inDrawing, 3000);
    EXPECT_NEAR(filled(fromSvg), inDrawing, inDrawing * 0.03);
    EXPECT_NEAR(filled(fromPdf), inDrawing, inDrawing * 0.03);
}

TEST_F(ReferenceDrawings, OrbitalsAndACircle)
{
    tool("sbFuncPai");
    shape(30);
    drag({240, 250}, {240, 170});
    drag({240, 250}, {240, 330});
    tool("sbFuncCircle");
    shape(3);
    drag({330, 230}, {390, 290});
    compare("orbitals");
}

TEST_F(ReferenceDrawings, AFreeCurveAndAMethylGroup)
{
    tool("sbFuncFree");
    press({180, 300});
    for (int i = 1; i <= 20; ++i)
        move({180 + 10 * i, 300 - int(60 * std::sin(i / 3.0))});
    release({380, 300 - int(60 * std::sin(20 / 3.0))});
    label("CH3", {300, 180});
    compare("free-curve-methyl");
}
