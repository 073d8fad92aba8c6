#include "app/cli_commands.h"

#include "document/drawing.h"
#include "document/figure_file_io.h"
#include "document/picture_export.h"
#include "platform/atomic_file.h"
#include "platform/atomic_file_testing.h"
#include "platform/bmp_codec.h"
#include "support/image_test_util.h"
#include "support/scripted_prompts.h"
#include "support/tiny_filesystem.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

using namespace molvane;
using namespace molvane::test;

namespace {

// Collects what a command prints.
class Capture {
public:
    Capture() : file_(std::tmpfile()) {}
    ~Capture() { std::fclose(file_); }
    std::FILE* file() { return file_; }
    QByteArray text()
    {
        std::fflush(file_);
        std::rewind(file_);
        QByteArray all;
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file_)) > 0)
            all.append(buffer, qsizetype(n));
        return all;
    }

private:
    std::FILE* file_;
};

TFigure figure(int kind, QPoint a, QPoint b)
{
    TFigure f;
    f.kind = kind;
    f.lineWidth = 3;
    f.shape = 11;
    f.ends[kMainStart] = a;
    f.ends[kMainEnd] = b;
    f.freeEnds = f.ends;
    f.handle = handlePoint(f);
    return f;
}

// A drawing made the way the editor makes one, saved as a whole drawing.
QString writeSample(const QTemporaryDir& dir, Drawing& d)
{
    d.figures = {figure(fkDouble, {40, 40}, {200, 90}), figure(fkCircle, {300, 200}, {300, 200})};
    TFigure text = figure(fkMoji, {120, 150}, {120, 150});
    text.shape = 24;
    text.fontName = "ＭＳ Ｐゴシック";
    text.text = "CH3";
    d.figures.push_back(text);
    d.figures[0].ends[kMainEnd] = {202, 91}; // a tip connection
    d.setCanvasSize({400, 300});
    d.background = whiteImage(50, 20);
    d.rebuildBitmap();
    ScriptedPrompts prompts;
    return *writeFigureFile(d, dir.filePath("sample.fga"), FigureFileMode::Whole, d.figures, {}, prompts);
}

QByteArray bytesOf(const QString& path)
{
    QByteArray b;
    EXPECT_TRUE(readWholeFile(path, b));
    return b;
}

} // namespace

TEST(ExportCommand, ReEncodingAFileTheProgramWroteGivesTheSameBytes)
{
    QTemporaryDir dir;
    Drawing d;
    const QString in = writeSample(dir, d);
    Capture err;
    EXPECT_EQ(exportFigureFile(in, dir.filePath("again.fga"), err.file()), kExitOk);
    EXPECT_EQ(bytesOf(dir.filePath("again.fga")), bytesOf(in));
    EXPECT_TRUE(err.text().isEmpty());
}

TEST(ExportCommand, APictureOfAWholeDrawingIsItsDrawingBitmap)
{
    QTemporaryDir dir;
    Drawing d;
    const QString in = writeSample(dir, d);
    Capture err;
    ASSERT_EQ(exportFigureFile(in, dir.filePath("out.bmp"), err.file()), kExitOk);
    const DecodedImage bmp = readBmp(bytesOf(dir.filePath("out.bmp")));
    ASSERT_TRUE(bmp.ok());
    EXPECT_TRUE(imagesMatch(bmp.image, d.bitmap(), 0, "export-bmp"));
    ASSERT_EQ(exportFigureFile(in, dir.filePath("out.png"), err.file()), kExitOk);
    EXPECT_TRUE(imagesMatch(QImage(dir.filePath("out.png")).convertToFormat(QImage::Format_RGB32), d.bitmap(), 0, "export-png"));
    ASSERT_EQ(exportFigureFile(in, dir.filePath("out.JPG"), err.file()), kExitOk);
    EXPECT_EQ(bytesOf(dir.filePath("out.JPG")).left(2), QByteArray("\xFF\xD8"));
    // As PDF the background picture goes in without loss, not as JPEG.
    ASSERT_EQ(exportFigureFile(in, dir.filePath("out.pdf"), err.file()), kExitOk);
    QProcess images;
    images.start("pdfimages", {"-list", dir.filePath("out.pdf")});
    ASSERT_TRUE(images.waitForFinished(60000));
    const QString list = QString::fromUtf8(images.readAllStandardOutput());
    EXPECT_TRUE(list.contains(QRegularExpression(" image +50 +20 "))) << list.toStdString();
    EXPECT_FALSE(list.contains("jpeg")) << list.toStdString();
}

// The command and the window's picture save give the same files for the same drawing.
TEST(ExportCommand, ItsPicturesAreTheFilesTheWindowWrites)
{
    QTemporaryDir dir;
    Drawing d;
    const QString in = writeSample(dir, d);
    const QImage whole = renderExport(d.bitmap(), ExportSource::wholeCanvas());
    for (const char* name : {"same.bmp", "same.jpeg"}) {
        SCOPED_TRACE(name);
        Capture err;
        ASSERT_EQ(exportFigureFile(in, dir.filePath(QString("cli-") + name), err.file()), kExitOk);
        ASSERT_TRUE(writePictureFile(whole, dir.filePath(QString("window-") + name)).ok);
        EXPECT_EQ(bytesOf(dir.filePath(QString("cli-") + name)),
                  bytesOf(dir.filePath(QString("window-") + name)));
    }
}

TEST(ExportCommand, APartialFileGivesItsRegionWithTheFiguresWhereTheyAre)
{
    QTemporaryDir dir;
    Drawing d;
    ScriptedPrompts prompts;
    const FigureList part{figure(fkSingle, {110, 60}, {180, 60})};
    const auto in = writeFigureFile(d, dir.filePath("p.fgb"), FigureFileMode::Partial, part, {100, 50, 100, 40}, prompts);
    ASSERT_TRUE(in);
    Capture err;
    ASSERT_EQ(exportFigureFile(*in, dir.filePath("p.bmp"), err.file()), kExitOk);
    const DecodedImage bmp = readBmp(bytesOf(dir.filePath("p.bmp")));
    ASSERT_TRUE(bmp.ok());
    EXPECT_EQ(bmp.image.size(), QSize(100, 50));
    EXPECT_EQ(pixelAt(bmp.image, 40, 20), clBlack);
    EXPECT_EQ(pixelAt(bmp.image, 1, 1), clWhite) << "no frame";
    ASSERT_EQ(exportFigureFile(*in, dir.filePath("again.fgb"), err.file()), kExitOk);
    EXPECT_EQ(bytesOf(dir.filePath("again.fgb")), bytesOf(*in));
}

// As a vector picture, a partial file's region is the picture's whole area and its bond a path within it.
TEST(ExportCommand, APartialFileAsSvgCoversItsRegion)
{
    QTemporaryDir dir;
    Drawing d;
    ScriptedPrompts prompts;
    const FigureList part{figure(fkSingle, {110, 60}, {180, 60})};
    const auto in =
        writeFigureFile(d, dir.filePath("p.fgb"), FigureFileMode::Partial, part, {100, 50, 100, 40}, prompts);
    ASSERT_TRUE(in);
    Capture err;
    ASSERT_EQ(exportFigureFile(*in, dir.filePath("p.svg"), err.file()), kExitOk);
    const QByteArray svg = bytesOf(dir.filePath("p.svg"));
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 100 50\"")) << svg.left(400).toStdString();
    // Strokes lie a fraction of a pixel right of and below their points, as the canvas draws them.
    const QRegularExpression bond(QStringLiteral(R"(d="M10(\.0\d*)?,20(\.0\d*)? L80(\.0\d*)?,20(\.0\d*)?")"));
    EXPECT_TRUE(QString::fromUtf8(svg).contains(bond)) << svg.toStdString();
}

TEST(ExportCommand, BadInputsExitWithTwoAndSayWhy)
{
    QTemporaryDir dir;
    Capture err;
    EXPECT_EQ(exportFigureFile(dir.filePath("none.fga"), dir.filePath("x.bmp"), err.file()), kExitFailure);
    EXPECT_TRUE(err.text().contains("none.fga"));
    EXPECT_EQ(exportFigureFile(dir.filePath("a.txt"), dir.filePath("x.bmp"), err.file()), kExitFailure);
    EXPECT_EQ(exportFigureFile(dir.filePath("a.fga"), dir.filePath("x.gif"), err.file()), kExitFailure);
    ASSERT_TRUE(writeFileAtomically(dir.filePath("bad.fga"), QByteArray(40, '\x01')));
    Capture bad;
    EXPECT_EQ(exportFigureFile(dir.filePath("bad.fga"), dir.filePath("x.bmp"), bad.file()), kExitFailure);
    const QString said = QString::fromLocal8Bit(bad.text());
    EXPECT_TRUE(said.contains("内部データエラー")) << said.toStdString();
    EXPECT_TRUE(said.contains("bad.fga"));
}

// Where nobody can agree to wait, a drawing that takes long to draw is not drawn: six thousand fills of
// the whole canvas (seeded outside it, so the test draws nothing by mistake).
TEST(ExportCommand, ADrawingThatTakesLongIsNotExported)
{
    QTemporaryDir dir;
    Drawing d;
    TFigure fill = figure(fkNuri, {-5, -5}, {-5, -5});
    d.figures.assign(6000, fill);
    ScriptedPrompts prompts;
    const QString input =
        *writeFigureFile(d, dir.filePath("long.fga"), FigureFileMode::Whole, d.figures, {}, prompts);
    Capture err;
    EXPECT_EQ(exportFigureFile(input, dir.filePath("long.png"), err.file()), kExitFailure);
    const QString said = QString::fromLocal8Bit(err.text());
    EXPECT_TRUE(said.contains(input + QStringLiteral(" の図形は描画に長い時間がかかります。")))
        << said.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("long.png")));

    // Four hundred such fills are drawn at once, and at twice the size; at eight times they would take
    // sixty-four times as long.
    d.figures.resize(400);
    const QString shorter =
        *writeFigureFile(d, dir.filePath("short.fga"), FigureFileMode::Whole, d.figures, {}, prompts);
    EXPECT_EQ(exportFigureFile(shorter, dir.filePath("short2.png"), err.file(), 2), kExitOk);
    Capture eight;
    EXPECT_EQ(exportFigureFile(shorter, dir.filePath("short8.png"), eight.file(), 8), kExitFailure);
    EXPECT_TRUE(eight.text().contains("drawing at 8 times would take too long"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("short8.png")));

    // A vector picture writes every point of a stroke: a curve of 900,000 points (outside the canvas,
    // so that no pixels are painted) is quick as pixels, too long as vectors.
    TFigure curve = figure(fkFree, {-50, -50}, {-60, -50});
    for (int i = 0; i < 900'000; ++i)
        curve.points.append(QPoint(i % 2 ? -60 : -50, -50));
    d.figures = {curve};
    const QString points =
        *writeFigureFile(d, dir.filePath("points.fga"), FigureFileMode::Whole, d.figures, {}, prompts);
    EXPECT_EQ(exportFigureFile(points, dir.filePath("points.png"), err.file()), kExitOk);
    Capture vector;
    EXPECT_EQ(exportFigureFile(points, dir.filePath("points.svg"), vector.file()), kExitFailure);
    EXPECT_TRUE(vector.text().contains("writing it as vectors would take too long"));
}

TEST(ExportCommand, APictureFailingHalfWayKeepsTheOldPictureByteForByte)
{
    QTemporaryDir dir;
    Drawing d;
    const QString in = writeSample(dir, d);
    for (const char* name : {"old.bmp", "old.jpg", "old.png", "old.fga"}) {
        const QByteArray before = QByteArray("the previous ") + name;
        ASSERT_TRUE(writeFileAtomically(dir.filePath(name), before));
        Capture err;
        {
            AtomicWriteFailure failure(100);
            EXPECT_EQ(exportFigureFile(in, dir.filePath(name), err.file()), kExitFailure) << name;
            EXPECT_EQ(failure.failures(), 1) << name;
        }
        EXPECT_EQ(bytesOf(dir.filePath(name)), before) << name;
        EXPECT_TRUE(QString::fromLocal8Bit(err.text()).contains("No space left on device")) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"old.bmp", "old.fga", "old.jpg", "old.png", "sample.fga"}));
}

// The same on a really full disk, where the smaller outputs used to exit with 0 and leave an empty or a
// cut file.
TEST(ExportCommand, AReallyFullDiskKeepsTheOldFileAndExitsWithTheReason)
{
    QTemporaryDir dir;
    Drawing d;
    const QString in = writeSample(dir, d);
    TinyFilesystem disk;
    SKIP_WITHOUT_TINY_FILESYSTEM(disk);
    const QStringList names{"old.bmp", "old.fga", "old.png"};
    for (const QString& name : names)
        ASSERT_TRUE(writeFileAtomically(disk.filePath(name), name.toUtf8()));
    ASSERT_TRUE(disk.fill());
    for (const QString& name : names) {
        Capture err;
        EXPECT_EQ(exportFigureFile(in, disk.filePath(name), err.file()), kExitFailure);
        const QString said = QString::fromLocal8Bit(err.text());
        EXPECT_TRUE(said.contains(disk.filePath(name) + " に書き込めません")) << said.toStdString();
        EXPECT_TRUE(said.contains(QString::fromLocal8Bit(std::strerror(ENOSPC)))) << said.toStdString();
        EXPECT_EQ(bytesOf(disk.filePath(name)), name.toUtf8());
    }
    EXPECT_EQ(disk.entries(), QStringList{"filler"} + names);
}

TEST(DumpCommand, PrintsTheHeaderAndEveryRecordAsStored)
{
    QTemporaryDir dir;
    Drawing d;
    const QString in = writeSample(dir, d);
    Capture out, err;
    ASSERT_EQ(dumpFigureFile(in, out.file(), err.file()), kExitOk);
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(out.text(), &parseError);
    ASSERT_EQ(parseError.error, QJsonParseError::NoError) << parseError.errorString().toStdString();
    const QJsonObject root = json.object();
    EXPECT_EQ(root["format"].toInt(), 1);
    EXPECT_EQ(root["totalSize"].toInt(), bytesOf(in).size());
    EXPECT_EQ(root["RW"].toInt(), 400);
    EXPECT_EQ(root["RH"].toInt(), 300);
    EXPECT_EQ(root["background"].toObject()["width"].toInt(), 50);
    const QJsonArray figures = root["figures"].toArray();
    ASSERT_EQ(figures.size(), 3);
    const QJsonObject first = figures[0].toObject();
    const QStringList fields{"kind", "cursorPrecision", "freeForm", "fineMoved", "penColor", "auxColor",
                             "fillColor", "penStyle", "lineWidth", "shape", "sizeStep", "reserved",
                             "ends", "freeEnds", "handle", "extremes", "margins", "fontName",
                             "text", "points", "picture"};
    EXPECT_EQ(first.keys().size(), fields.size());
    for (const QString& f : fields)
        EXPECT_TRUE(first.contains(f)) << f.toStdString();
    EXPECT_EQ(first["kind"].toInt(), fkDouble);
    EXPECT_EQ(first["ends"].toArray()[3].toArray()[0].toInt(), 202) << "ends in index order";
    EXPECT_EQ(first["freeEnds"].toArray()[3].toArray()[0].toInt(), 200);
    EXPECT_TRUE(first["picture"].isNull());
    EXPECT_EQ(figures[2].toObject()["fontName"].toString(), "ＭＳ Ｐゴシック");
    // The keys come in the record's order.
    EXPECT_LT(out.text().indexOf("\"cursorPrecision\""), out.text().indexOf("\"penColor\""));
}
