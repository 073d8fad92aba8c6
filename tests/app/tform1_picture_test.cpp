// The drawing leaving the window as pictures (files, the system clipboard) and a clipboard picture
// coming back as a picture figure.

#include "main_window_driver.h"

#include "platform/atomic_file.h"
#include "platform/bmp_codec.h"
#include "platform/jpeg_codec.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QToolButton>

using namespace molvane;
using namespace molvane::test;

namespace {

class PictureCommandsTest : public MainWindowDriver {
protected:
    void bond(QPoint a, QPoint b)
    {
        button("sbFuncSingle")->click();
        drag(a, b);
    }
    void setZoom(int zoom)
    {
        form->findChild<TUpDown*>("UpDown2")->setValue(zoom);
        form->UpDown2Click(true);
    }
    QImage readBack(const QString& path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return readBmp(file.readAll()).image.convertToFormat(QImage::Format_RGB32);
    }
    FileDialogResult chosen(const QString& path) { return FileDialogResult{true, path, 3, false}; }
    int undoStates() const { return form->drawing().history().newest(); }
    QString u(const char* text) { return QString::fromUtf8(text); }
};

TEST_F(PictureCommandsTest,
       ARangeAtZoom200IsSavedAsTheCanvasPixelsItCoversAndTheSamePictureGoesBesideAPartialFile)
{
    bond({60, 70}, {130, 70});
    bond({60, 70}, {90, 130});
    setZoom(200);
    button("sbBubun")->click();
    drag({100, 100}, {300, 300});
    ASSERT_EQ(form->editMode(), EditMode::RangeSelected);
    const QRect r = form->selRange();
    const QImage expected = form->drawing().bitmap().copy(
        QRect(QPoint(r.left() / 2, r.top() / 2), QPoint(r.right() / 2 - 1, r.bottom() / 2 - 1)));

    prompts.expectFileDialog(u("部分画像ファイルとして保存"), chosen(dir.filePath("part.bmp")));
    button("sbPicSave")->click();
    const QImage saved = readBack(dir.filePath("part.bmp"));
    EXPECT_EQ(saved.size(), r.size() / 2 - QSize(1, 1)) << "both edges of the range in canvas pixels";
    EXPECT_EQ(saved, expected);
    EXPECT_EQ(form->editMode(), EditMode::Single) << "back to the figure tool";
    EXPECT_TRUE(form->selRange().isNull());

    // The same range saved as a partial figure file brings its picture along, beside it.
    form->drawing().settings.saveWithPic = true;
    form->drawing().settings.picBmp = true;
    button("sbBubun")->click();
    drag({100, 100}, {300, 300});
    prompts.expectFileDialog(u("部分図形ファイルとして保存"), chosen(dir.filePath("ring.fgb")));
    button("sbSave")->click();
    EXPECT_TRUE(QFile::exists(dir.filePath("ring.fgb")));
    EXPECT_EQ(readBack(QDir(form->files().partPicFolder()).filePath("ring.bmp")), expected);
}

TEST_F(PictureCommandsTest, AHighResolutionPictureIsAPngAtTheScaleAskedForAndOtherScalesAreRefused)
{
    QAction* save = form->findChild<QAction*>("mmPicSaveHighRes");
    bond({40, 40}, {200, 40});
    prompts.expectInput(u("倍率（2，4，8）"), u("3"))
        .expectMessage(u("倍率は 2，4，8 のどれかを入力して下さい。"), MessageType::Error, MessageButtons::Ok,
                       Answer::Ok);
    save->trigger();
    prompts.expectInput(u("倍率（2，4，8）"), u("4"))
        .expectFileDialog(u("高解像度画像として保存"), chosen(dir.filePath("big.png")));
    save->trigger();
    const QImage big(dir.filePath("big.png"));
    ASSERT_EQ(big.size(), form->drawing().canvasSize() * 4);
    EXPECT_NEAR(big.dotsPerMeterX() * 0.0254, 384, 1);
    // The bond is four times as thick as on the canvas.
    int thin = 0, thick = 0;
    for (int y = 0; y < form->drawing().canvasSize().height(); ++y)
        thin += qGray(form->drawing().bitmap().pixel(120, y)) < 128;
    for (int y = 0; y < big.height(); ++y)
        thick += qGray(big.pixel(120 * 4 + 2, y)) < 128;
    ASSERT_GT(thin, 0);
    EXPECT_EQ(thick, 4 * thin);

    // Four hundred fills of the whole canvas would take long at eight times: declined, nothing is asked
    // further or written. (Seeded outside the canvas, they cost the test nothing.)
    TFigure fill;
    fill.kind = fkNuri;
    fill.ends[kMainStart] = fill.freeEnds[kMainStart] = QPoint(-5, -5);
    form->drawing().figures.insert(form->drawing().figures.end(), 400, fill);
    prompts.expectInput(u("倍率（2，4，8）"), u("8"))
        .expectMessage(u("この倍率では描画に長い時間がかかります。保存しますか。"), MessageType::Confirmation,
                       MessageButtons::YesNo, Answer::No);
    save->trigger();
    EXPECT_EQ(prompts.pendingCount(), 0);
}

// The type chosen in the dialog names a file without a vector extension; a typed extension decides.
TEST_F(PictureCommandsTest, AVectorPictureIsSvgOrPdfByTheChosenTypeOrTheTypedExtension)
{
    QAction* save = form->findChild<QAction*>("mmPicSaveVector");
    bond({40, 40}, {200, 40});
    prompts.expectFileDialog(u("ベクター形式で保存"),
                             FileDialogResult{true, dir.filePath("formula"), 2, false});
    save->trigger();
    QFile pdf(dir.filePath("formula.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));
    prompts.expectFileDialog(u("ベクター形式で保存"),
                             FileDialogResult{true, dir.filePath("formula.SVG"), 2, false});
    save->trigger();
    QFile svg(dir.filePath("formula.SVG"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("viewBox=\"0 0 1500 1000\""));
    EXPECT_EQ(prompts.pendingCount(), 0);
}

TEST_F(PictureCommandsTest, TheWholeCanvasSavesAsJpegOrBmpAndAnUnknownTypeIsRefusedWithNothingWritten)
{
    QAction* save = form->findChild<QAction*>("mmPicSaveAs");
    save->trigger(); // no figures: nothing happens, no dialog
    bond({40, 40}, {200, 40});

    prompts.expectFileDialog(u("画像ファイルとして名前を付けて保存"), chosen(dir.filePath("all.JPG")));
    save->trigger();
    QFile jpg(dir.filePath("all.JPG"));
    ASSERT_TRUE(jpg.open(QIODevice::ReadOnly));
    const DecodedImage decoded = readJpeg(jpg.readAll());
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.image.size(), form->drawing().canvasSize()) << "an upper-case .JPG is a JPEG";

    prompts.expectFileDialog(u("画像ファイルとして名前を付けて保存"), chosen(dir.filePath("all.png")))
        .expectMessage(u("all.png は保存できません。画像ファイルの種類は .bmp と .jpg です。"),
                       MessageType::Error, MessageButtons::Ok, Answer::Ok);
    save->trigger();
    EXPECT_FALSE(QFile::exists(dir.filePath("all.png")));
    EXPECT_EQ(prompts.pendingCount(), 0);
}

TEST_F(PictureCommandsTest,
       CopyAndCutAsPicturePutTheRangeOnTheClipboardAndCutTakesTheFiguresAwayAsOneUndoStep)
{
    bond({60, 60}, {160, 60});
    bond({60, 200}, {160, 200});
    button("sbBubun")->click();
    drag({40, 40}, {180, 100});
    QAction* copy = form->findChild<QAction*>("Copy1AsPic");
    emit form->popupMenu()->aboutToShow();
    ASSERT_TRUE(copy->isEnabled());
    const QRect r = form->selRange();
    const QImage expected =
        form->drawing().bitmap().copy(r.left(), r.top(), r.right() - r.left(), r.bottom() - r.top());
    copy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), expected);
    // Beside the bitmap, the same range as SVG: the range's size, the first bond inside it.
    const QByteArray svg = QGuiApplication::clipboard()->mimeData()->data("image/svg+xml");
    EXPECT_TRUE(svg.contains(
        QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(expected.width()).arg(expected.height()).toUtf8()))
        << svg.left(300).toStdString();
    EXPECT_TRUE(svg.contains("<path")) << svg.toStdString();
    EXPECT_TRUE(form->selRange().isNull());
    emit form->popupMenu()->aboutToShow();
    EXPECT_FALSE(copy->isEnabled()) << "no range, nothing to copy";

    button("sbBubun")->click();
    drag({40, 180}, {180, 220});
    ASSERT_EQ(form->editMode(), EditMode::RangeSelected);
    emit form->popupMenu()->aboutToShow();
    ASSERT_TRUE(form->findChild<QAction*>("Cut1AsPic")->isEnabled());
    const int height = form->selRange().bottom() - form->selRange().top();
    const int before = undoStates();
    form->findChild<QAction*>("Cut1AsPic")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().height(), height);
    ASSERT_EQ(form->drawing().figures.size(), 1u);
    EXPECT_EQ(undoStates(), before + 1);
    // Pasted back, it is the bitmap: the SVG beside it is not read as a picture.
    form->pictures().Paste1AsPicClick();
    ASSERT_EQ(form->editMode(), EditMode::PicturePlacing);
    EXPECT_EQ(form->pasteFrameRect().height(), height);
}

TEST_F(PictureCommandsTest, APastedPictureWaitsInTheFrameAndItsReleasePlacesAPictureFigureAsOneUndoStep)
{
    QAction* paste = form->findChild<QAction*>("Paste1AsPic");
    QGuiApplication::clipboard()->setText(QStringLiteral("only text"));
    emit form->popupMenu()->aboutToShow();
    EXPECT_FALSE(paste->isEnabled());
    form->pictures().Paste1AsPicClick();
    EXPECT_EQ(form->editMode(), EditMode::Single) << "text is no picture: nothing waits";

    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(0, 128, 0));
    QGuiApplication::clipboard()->setImage(picture);
    emit form->popupMenu()->aboutToShow();
    ASSERT_TRUE(paste->isEnabled());
    paste->trigger();
    ASSERT_EQ(form->editMode(), EditMode::PicturePlacing);
    const QRect frame = form->pasteFrameRect();
    ASSERT_EQ(frame.size(), QSize(40, 30));

    const int before = undoStates();
    drag(frame.center(), frame.center() + QPoint(48, 24));
    ASSERT_EQ(form->drawing().figures.size(), 1u);
    const TFigure& f = form->drawing().figures[0];
    EXPECT_EQ(f.kind, fkPicture);
    EXPECT_EQ(f.picture.size(), QSize(40, 30));
    EXPECT_EQ(form->drawing().bitmap().pixel(f.ends[kMainEnd] + QPoint(20, 15)), qRgb(0, 128, 0));
    EXPECT_EQ(undoStates(), before + 1);
    EXPECT_FALSE(form->pasteFrameShown());
    click({500, 400});
    EXPECT_EQ(form->editMode(), EditMode::Single) << "the next press goes back to the figure tool";
}

TEST_F(PictureCommandsTest, OnceFollowedTheClipboardEnablesPasteAsAPictureWithoutAMenuShown)
{
    QAction* paste = form->findChild<QAction*>("Paste1AsPic");
    QGuiApplication::clipboard()->setText(QStringLiteral("only text"));
    form->pictures().followClipboard();
    EXPECT_FALSE(paste->isEnabled());
    QGuiApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_TRUE(paste->isEnabled()) << "the shortcut works as soon as a picture is copied";
    QGuiApplication::clipboard()->setText(QStringLiteral("text again"));
    EXPECT_FALSE(paste->isEnabled());
}

TEST_F(PictureCommandsTest, AClipboardPictureLargerThanTheLargestCanvasIsRefusedAndNothingWaits)
{
    QGuiApplication::clipboard()->setImage(QImage(2001, 10, QImage::Format_RGB32));
    prompts.expectMessage(u("クリップボードの画像は大きすぎます（2001 × 10 ピクセル）。貼り付けられる画像は "
                            "2000 × 1500 ピクセルまでです。"),
                          MessageType::Error, MessageButtons::Ok, Answer::Ok);
    form->pictures().Paste1AsPicClick();
    EXPECT_EQ(form->editMode(), EditMode::Single);
    EXPECT_FALSE(form->pasteFrameShown());
}

} // namespace

namespace {

TEST_F(PictureCommandsTest, APartialPictureWaitsInAFrameSizedByTheSizeChoiceAndSharesItsPathWithTheSave)
{
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(qRgb(200, 0, 0));
    const QString path = dir.filePath("red.bmp");
    ASSERT_TRUE(writeFileAtomically(path, writeBmp(picture)));
    form->findChild<QRadioButton*>("rgSize1")->click(); // "-1": 0.75
    prompts.expectFileDialog(u("部分画像ファイルを開く"), chosen(path));
    form->pictures().sbPicLoadClick();
    EXPECT_TRUE(prompts.lastFileRequest().mustExist);
    ASSERT_EQ(form->editMode(), EditMode::PicturePlacing);
    const QRect frame = form->pasteFrameRect();
    EXPECT_EQ(frame.size(), QSize(150, 76));
    const int before = undoStates();
    drag(frame.center(), frame.center() + QPoint(20, 10));
    ASSERT_EQ(form->drawing().figures.size(), 1u);
    EXPECT_EQ(form->drawing().figures[0].kind, fkPicture);
    EXPECT_EQ(form->drawing().figures[0].text, path);
    EXPECT_EQ(undoStates(), before + 1);

    // The partial-picture save starts from the same path.
    button("sbBubun")->click();
    drag({10, 10}, {300, 300});
    prompts.expectFileDialog(u("部分画像ファイルとして保存"), FileDialogResult{});
    form->pictures().sbPicSaveClick();
    EXPECT_EQ(prompts.lastFileRequest().fileName, path);
}

TEST_F(PictureCommandsTest, APictureOpenedAsTheBackgroundLiesUnderTheFiguresAndTravelsInTheFile)
{
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));
    const QString path = dir.filePath("sky.jpg");
    ASSERT_TRUE(writeFileAtomically(path, writeJpeg(picture).bytes));
    prompts.expectFileDialog(u("画像ファイルを開く"), chosen(path));
    form->findChild<QAction*>("mmPicOpen")->trigger();
    ASSERT_FALSE(form->drawing().background.isNull());
    EXPECT_GT(qBlue(form->drawing().bitmap().pixel(150, 100)), 240);
    EXPECT_LT(qRed(form->drawing().bitmap().pixel(150, 100)), 8);
    bond({400, 300}, {500, 300});
    prompts.expectFileDialog(u("名前を付けて保存"), chosen(dir.filePath("sky.fga")));
    form->findChild<QAction*>("mmFileSaveAs")->trigger();
    form->findChild<QAction*>("mmFileNew")->trigger();
    EXPECT_TRUE(form->drawing().background.isNull()) << "新規作成 discards it";
    prompts.expectFileDialog(u("図形ファイルを開く"), chosen(dir.filePath("sky.fga")));
    form->findChild<QAction*>("mmFileOpen")->trigger();
    ASSERT_EQ(form->drawing().background.size(), QSize(300, 200));
    EXPECT_EQ(form->drawing().figures.size(), 1u);
}

TEST_F(PictureCommandsTest, HostilePicturesChangeNothingThroughEitherOpen)
{
    bond({40, 40}, {140, 40});
    form->drawing().takeBaseline();
    const QString folder = QStringLiteral(MOLVANE_TEST_DATA_DIR) + QStringLiteral("/hostile/pictures");
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        const QString path = folder + QLatin1Char('/') + name;
        for (const char* title : {"部分画像ファイルを開く", "画像ファイルを開く"}) {
            prompts.expectFileDialog(u(title), chosen(path))
                .expectMessageStartingWith(u("画像ファイル ") + path + u(" を読み込めません。"),
                                           MessageType::Error, MessageButtons::Ok, Answer::Ok);
            if (QByteArray(title).startsWith("部分"))
                form->pictures().sbPicLoadClick();
            else
                form->pictures().mmPicOpenClick();
            EXPECT_EQ(form->drawing().figures.size(), 1u) << name.toStdString();
            EXPECT_TRUE(form->drawing().background.isNull());
            EXPECT_TRUE(form->pictures().pendingPicture().isNull());
            EXPECT_NE(form->editMode(), EditMode::PicturePlacing);
        }
    }
}

} // namespace

namespace {

TEST_F(PictureCommandsTest, TheSampleIsPlacedByDraggingAndShowsWashedOutUnderTheDrawingButNeverInIt)
{
    QToolButton* toggle = button("sbShowMihon");
    prompts.expectFileDialog(u("見本画像として開く"), FileDialogResult{});
    toggle->click();
    EXPECT_FALSE(toggle->isChecked()) << "a cancelled dialog lets the toggle up";

    QImage scan(100, 60, QImage::Format_RGB32);
    scan.fill(Qt::white);
    for (int y = 10; y < 40; ++y)
        for (int x = 10; x < 40; ++x)
            scan.setPixel(x, y, qRgb(0, 0, 0));
    const QString path = dir.filePath("scan.bmp");
    ASSERT_TRUE(writeFileAtomically(path, writeBmp(scan)));
    prompts.expectFileDialog(u("見本画像として開く"), chosen(path));
    toggle->click();
    ASSERT_EQ(form->editMode(), EditMode::SamplePlacing);
    const QRect frame = form->pasteFrameRect();
    EXPECT_EQ(frame.size(), QSize(100, 60)) << "its own size, no margins";
    drag(frame.center(), frame.center() + (QPoint(200, 200) - frame.topLeft()));
    EXPECT_NE(form->editMode(), EditMode::SamplePlacing);
    EXPECT_FALSE(form->pasteFrameShown());
    const QRect placed(QPoint(200, 200), QSize(100, 60)); // where it was let go, within the grid's snap
    const QImage shown = form->canvasView()->grab().toImage();
    const QRgb ink = shown.pixel(placed.left() + 20, placed.top() + 20) & 0xFFFFFFu;
    EXPECT_EQ(ink, 0xB3B3B3u) << "black washed out to 179";
    EXPECT_EQ(form->drawing().bitmap().pixel(placed.left() + 20, placed.top() + 20) & 0xFFFFFFu, 0xFFFFFFu)
        << "never in the drawing bitmap, so never exported";
    toggle->click();
    EXPECT_EQ(form->canvasView()->grab().toImage().pixel(placed.left() + 20, placed.top() + 20) & 0xFFFFFFu,
              0xFFFFFFu);
}

} // namespace

namespace {

TEST_F(PictureCommandsTest, LettingTheToggleUpBeforeTheSampleIsPlacedDropsItAndItsFrame)
{
    QImage scan(60, 40, QImage::Format_RGB32);
    scan.fill(Qt::black);
    const QString path = dir.filePath("scan.bmp");
    ASSERT_TRUE(writeFileAtomically(path, writeBmp(scan)));
    QToolButton* toggle = button("sbShowMihon");
    prompts.expectFileDialog(u("見本画像として開く"), chosen(path));
    toggle->click();
    ASSERT_EQ(form->editMode(), EditMode::SamplePlacing);
    toggle->click(); // let up while the sample still floats
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_NE(form->editMode(), EditMode::SamplePlacing);
    EXPECT_FALSE(form->pasteFrameShown());
}

} // namespace
