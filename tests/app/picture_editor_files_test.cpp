// The picture editor's files as a user meets them: pictures opened (enclosed white, size, caption,
// damaged files), saved (no barrier white, the saved state, refused types, the overwrite question), the
// question before a modified picture is left, and OK handing the picture to the drawing.

#include "main_window_driver.h"

#include "painting/paint_mode.h"
#include "picture_editor/tform_picture_editor.h"
#include "platform/atomic_file.h"
#include "platform/bmp_codec.h"
#include "platform/input_file.h"
#include "platform/jpeg_codec.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTimer>

using namespace molvane;
using namespace molvane::test;

namespace {

class PictureEditorFilesTest : public MainWindowDriver {
protected:
    void SetUp() override
    {
        MainWindowDriver::SetUp();
        editor = std::make_unique<TFormPictureEditor>(prompts);
        editor->setDataFolder(folders.partPictures);
    }
    void TearDown() override
    {
        editor.reset();
        MainWindowDriver::TearDown();
    }
    void paint(QPoint from, QPoint to)
    {
        QWidget* v = editor->controls().view;
        for (auto [type, at, button, held] :
             {std::tuple{QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton},
              std::tuple{QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton},
              std::tuple{QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton}}) {
            QMouseEvent e(type, QPointF(at), v->mapToGlobal(QPointF(at)), Qt::MouseButton(button),
                          Qt::MouseButtons(held), Qt::NoModifier);
            QApplication::sendEvent(v, &e);
        }
    }
    // A white picture with a black ring around a white hole.
    QString ringPicture(const char* name)
    {
        QImage ring(300, 200, QImage::Format_RGB32);
        ring.fill(Qt::white);
        for (int y = 50; y < 150; ++y)
            for (int x = 100; x < 200; ++x)
                if (x < 104 || x >= 196 || y < 54 || y >= 146)
                    ring.setPixel(x, y, qRgb(0, 0, 0));
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(writeFileAtomically(path, writeBmp(ring)));
        return path;
    }
    FileDialogResult chosen(const QString& path) { return FileDialogResult{true, path, 3, false}; }
    QRgb pixel(int x, int y) const { return editor->picture().working().pixel(x, y) & 0xFFFFFFu; }
    QString u(const char* text) { return QString::fromUtf8(text); }

    std::unique_ptr<TFormPictureEditor> editor;
};

TEST_F(PictureEditorFilesTest, AnOpenedPictureSizesTheCanvasAndItsEnclosedWhiteBecomesOpaque)
{
    paint({10, 10}, {100, 100});
    editor->controls().zoomUpDown->setValue(250);
    prompts.expectBeep(BeepKind::Exclamation)
        .expectMessage(u("ファイルが変更されています。保存しますか。"), MessageType::Information,
                       MessageButtons::YesNoCancel, Answer::No)
        .expectFileDialog(u("開く"), chosen(ringPicture("ring.bmp")));
    editor->mmPicOpenClick();
    EXPECT_EQ(prompts.lastFileRequest().filterIndex, 3);
    EXPECT_EQ(prompts.lastFileRequest().folder, folders.partPictures);
    EXPECT_TRUE(QDir(folders.partPictures).exists());
    EXPECT_EQ(editor->picture().size(), QSize(300, 200));
    EXPECT_EQ(editor->zoom(), 100);
    EXPECT_TRUE(editor->picture().strokes().empty());
    EXPECT_EQ(editor->windowTitle(), u("画像エディタ ～ ring.bmp"));
    const QRgb opaque = toQRgb(editor->picture().whites().opaque) & 0xFFFFFFu;
    EXPECT_EQ(pixel(5, 5), 0xFFFFFFu) << "white touching the border stays transparent";
    EXPECT_EQ(pixel(150, 100), opaque) << "the ring's hole is opaque white";
    EXPECT_EQ(pixel(101, 100), 0u);
    EXPECT_TRUE(editor->isModified()) << "the canvas size changed from 600 x 400";

    // Without the conversion the hole stays pure white; an unmodified picture is left without asking.
    editor->controls().cbChangeWhite->setChecked(false);
    prompts.expectBeep(BeepKind::Exclamation)
        .expectMessage(u("ファイルが変更されています。保存しますか。"), MessageType::Information,
                       MessageButtons::YesNoCancel, Answer::No)
        .expectFileDialog(u("開く"), chosen(ringPicture("ring2.bmp")));
    editor->mmPicOpenClick();
    EXPECT_EQ(pixel(150, 100), 0xFFFFFFu);
}

TEST_F(PictureEditorFilesTest, ADamagedOrUnknownPictureIsAnsweredWithAMessageAndChangesNothing)
{
    paint({10, 10}, {100, 100});
    const auto strokes = editor->picture().strokes().size();
    QByteArray truncated = writeBmp(QImage(40, 40, QImage::Format_RGB32));
    truncated.truncate(100);
    QByteArray progressiveLie = writeJpeg(QImage(20, 20, QImage::Format_RGB32)).bytes;
    progressiveLie.truncate(progressiveLie.size() / 3);
    const std::pair<const char*, QByteArray> files[] = {
        {"cut.bmp", truncated},
        {"cut.jpg", progressiveLie},
        {"noise.jpg", QByteArray(500, '\x5a')},
        {"huge.bmp", QByteArray::fromHex("424d000000000000000036000000280000000000010000000100000001001800")},
        {"picture.png", QByteArray("not a picture")}};
    for (const auto& [name, bytes] : files) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(writeFileAtomically(path, bytes));
        prompts.expectBeep(BeepKind::Exclamation)
            .expectMessage(u("ファイルが変更されています。保存しますか。"), MessageType::Information,
                           MessageButtons::YesNoCancel, Answer::No)
            .expectFileDialog(u("開く"), chosen(path))
            .expectMessageStartingWith(u("画像ファイル ") + path + u(" を読み込めません。"),
                                       MessageType::Error, MessageButtons::Ok, Answer::Ok);
        editor->mmPicOpenClick();
        EXPECT_EQ(editor->picture().strokes().size(), strokes) << name;
        EXPECT_EQ(editor->picture().size(), QSize(600, 400)) << name;
        EXPECT_EQ(editor->windowTitle(), u("画像エディタ")) << name;
    }
}

TEST_F(PictureEditorFilesTest, SavingWritesNoBarrierWhiteAndStartsTheHistoryAtTheSavedPicture)
{
    editor->penStylePressed(1); // dashed: the barrier white lies under its gaps
    editor->controls().sbCircle->click();
    paint({20, 20}, {200, 150});
    const QString bmp = dir.filePath("dashed.bmp");
    prompts.expectFileDialog(u("名前を付けて保存"), chosen(bmp));
    ASSERT_TRUE(editor->mmPicSaveAsClick());
    EXPECT_EQ(prompts.lastFileRequest().defaultExt, "bmp");
    QByteArray bytes;
    ASSERT_TRUE(readWholeFile(bmp, bytes));
    const QImage written = readBmp(bytes).image;
    ASSERT_EQ(written.size(), QSize(600, 400));
    const QRgb barrier = toQRgb(editor->picture().whites().barrier) & 0xFFFFFFu;
    int barriers = 0, inked = 0;
    for (int y = 0; y < written.height(); ++y)
        for (int x = 0; x < written.width(); ++x) {
            const QRgb c = written.pixel(x, y) & 0xFFFFFFu;
            barriers += c == barrier;
            inked += c != 0xFFFFFFu;
        }
    EXPECT_EQ(barriers, 0);
    EXPECT_GT(inked, 300);
    EXPECT_EQ(editor->windowTitle(), u("画像エディタ ～ dashed.bmp"));
    EXPECT_FALSE(editor->isModified());
    EXPECT_FALSE(editor->controls().sbUndo->isEnabled());

    // A change after the save undoes back to the saved picture, not to an empty canvas.
    paint({300, 300}, {400, 350});
    ASSERT_TRUE(editor->controls().sbUndo->isEnabled());
    editor->undoClick();
    EXPECT_EQ(editor->picture().strokes().size(), 1u);
    EXPECT_FALSE(editor->controls().sbUndo->isEnabled());
    editor->redoClick();

    // An unknown type is refused: no name, no new history, still modified.
    prompts.expectFileDialog(u("名前を付けて保存"), chosen(dir.filePath("dashed.png")))
        .expectBeep(BeepKind::Exclamation)
        .expectMessage(u("dashed.png は保存できません。画像ファイルの種類は .bmp と .jpg です。"),
                       MessageType::Error, MessageButtons::Ok, Answer::Ok);
    EXPECT_FALSE(editor->mmPicSaveAsClick());
    EXPECT_FALSE(QFile::exists(dir.filePath("dashed.png")));
    EXPECT_EQ(editor->fileName(), bmp);
    EXPECT_TRUE(editor->isModified());
    EXPECT_TRUE(editor->controls().sbUndo->isEnabled());

    // ".jpeg" is JPEG; an existing file is named before the question, and No asks for another name.
    prompts.expectFileDialog(u("名前を付けて保存"), chosen(bmp))
        .expectBeep(BeepKind::Exclamation)
        .expectMessage(u("dashed.bmp\r\nファイルはすでに存在します。上書き保存しますか。"),
                       MessageType::Confirmation, MessageButtons::YesNo, Answer::No)
        .expectFileDialog(u("名前を付けて保存"), chosen(dir.filePath("dashed.jpeg")));
    ASSERT_TRUE(editor->mmPicSaveAsClick());
    ASSERT_TRUE(readWholeFile(dir.filePath("dashed.jpeg"), bytes));
    EXPECT_EQ(readJpeg(bytes).image.size(), QSize(600, 400));
}

TEST_F(PictureEditorFilesTest, NewAsksBeforeAModifiedPictureIsLeftAndCancelKeepsIt)
{
    paint({10, 10}, {100, 100});
    prompts.expectBeep(BeepKind::Exclamation)
        .expectMessage(u("ファイルが変更されています。保存しますか。"), MessageType::Information,
                       MessageButtons::YesNoCancel, Answer::Cancel);
    editor->mmFileNewClick();
    EXPECT_EQ(editor->picture().strokes().size(), 1u);
    // Yes without a name saves as; a cancelled dialog stops the new picture.
    prompts.expectBeep(BeepKind::Exclamation)
        .expectMessage(u("ファイルが変更されています。保存しますか。"), MessageType::Information,
                       MessageButtons::YesNoCancel, Answer::Yes)
        .expectFileDialog(u("名前を付けて保存"), FileDialogResult{});
    editor->mmFileNewClick();
    EXPECT_EQ(editor->picture().strokes().size(), 1u);
    prompts.expectBeep(BeepKind::Exclamation)
        .expectMessage(u("ファイルが変更されています。保存しますか。"), MessageType::Information,
                       MessageButtons::YesNoCancel, Answer::No);
    editor->mmFileNewClick();
    EXPECT_TRUE(editor->picture().strokes().empty());
    EXPECT_FALSE(editor->isModified());
    editor->mmFileNewClick(); // unmodified: no question
}

TEST_F(PictureEditorFilesTest, OkHandsThePictureToTheDrawingWhereItIsPlacedSavedAndOpenedAgain)
{
    form->pictures().setPictureEditor(editor.get());
    editor->cellPressed(4); // red
    editor->controls().udWidth->setValue(200);
    editor->controls().udHeight->setValue(100);
    paint({20, 50}, {180, 50});
    const QString named = dir.filePath("bar.bmp");
    prompts.expectFileDialog(u("名前を付けて保存"), chosen(named));
    ASSERT_TRUE(editor->mmPicSaveAsClick());
    QTimer::singleShot(0, editor.get(), [this] { editor->btOKClick(); });
    form->pictures().sbPicLoadExClick();
    ASSERT_EQ(form->editMode(), EditMode::PicturePlacing);
    const QRect frame = form->pasteFrameRect();
    EXPECT_EQ(frame.size(), QSize(200, 100));
    const int before = form->drawing().history().newest();
    drag(frame.center(), frame.center() + QPoint(30, 20));
    ASSERT_EQ(form->drawing().figures.size(), 1u);
    EXPECT_EQ(form->drawing().history().newest(), before + 1);
    const TFigure placed = form->drawing().figures[0];
    EXPECT_EQ(placed.kind, fkPicture);
    EXPECT_EQ(placed.text, named);
    EXPECT_EQ(placed.picture.image().pixel(100, 50) & 0xFFFFFFu, 0xFF0000u);

    prompts.expectFileDialog(u("名前を付けて保存"), chosen(dir.filePath("with_picture.fga")));
    form->findChild<QAction*>("mmFileSaveAs")->trigger();
    form->findChild<QAction*>("mmFileNew")->trigger();
    prompts.expectFileDialog(u("図形ファイルを開く"), chosen(dir.filePath("with_picture.fga")));
    form->findChild<QAction*>("mmFileOpen")->trigger();
    ASSERT_EQ(form->drawing().figures.size(), 1u);
    const TFigure& reopened = form->drawing().figures[0];
    EXPECT_EQ(reopened.text, named);
    EXPECT_EQ(reopened.ends[kMainEnd], placed.ends[kMainEnd]);
    EXPECT_EQ(reopened.picture.image().convertToFormat(QImage::Format_RGB32),
              placed.picture.image().convertToFormat(QImage::Format_RGB32));
}

} // namespace

namespace {

QString corpus(const char* folder)
{
    return QStringLiteral(MOLVANE_TEST_DATA_DIR) + QLatin1Char('/') + QLatin1String(folder);
}

TEST_F(PictureEditorFilesTest, TheHostilePicturesOfTheCorpusAreRefusedAndGreyOrProgressiveJpegsRead)
{
    const QStringList hostile = QDir(corpus("hostile/pictures")).entryList(QDir::Files);
    ASSERT_GE(hostile.size(), 5);
    for (const QString& name : hostile) {
        const QString path = corpus("hostile/pictures") + QLatin1Char('/') + name;
        prompts.expectFileDialog(u("開く"), chosen(path))
            .expectMessageStartingWith(u("画像ファイル ") + path + u(" を読み込めません。"),
                                       MessageType::Error, MessageButtons::Ok, Answer::Ok);
        editor->mmPicOpenClick();
        EXPECT_EQ(editor->picture().size(), QSize(600, 400)) << name.toStdString();
        EXPECT_TRUE(editor->fileName().isEmpty()) << name.toStdString();
    }
    for (const char* name : {"grey.jpg", "progressive.jpg"}) {
        const QString path = corpus("valid/pictures") + QLatin1Char('/') + QLatin1String(name);
        if (editor->isModified())
            prompts.expectBeep(BeepKind::Exclamation)
                .expectMessage(u("ファイルが変更されています。保存しますか。"), MessageType::Information,
                               MessageButtons::YesNoCancel, Answer::No);
        prompts.expectFileDialog(u("開く"), chosen(path));
        editor->mmPicOpenClick();
        EXPECT_EQ(editor->picture().size(), QSize(64, 48)) << name;
        EXPECT_EQ(editor->fileName(), path);
    }
}

} // namespace

namespace {

TEST_F(PictureEditorFilesTest, TheSampleIsPlacedByDraggingAndLiesWashedOutUnderThePictureOnly)
{
    QImage scan(100, 80, QImage::Format_RGB32);
    scan.fill(Qt::white);
    for (int y = 20; y < 40; ++y)
        for (int x = 20; x < 40; ++x)
            scan.setPixel(x, y, qRgb(0, 0, 0));
    scan.setPixel(60, 60, qRgb(255, 254, 255));
    const QString path = dir.filePath("scan.bmp");
    ASSERT_TRUE(writeFileAtomically(path, writeBmp(scan)));

    prompts.expectFileDialog(u("見本画像を開く"), FileDialogResult{});
    editor->controls().sbShowMihon->click();
    EXPECT_FALSE(editor->controls().sbShowMihon->isChecked()) << "a cancelled dialog lets the button up";

    prompts.expectFileDialog(u("見本画像を開く"), chosen(path));
    editor->controls().sbShowMihon->click();
    ASSERT_EQ(editor->paintMode(), PaintMode::SamplePlacing);
    prompts.expectBeep(BeepKind::Information)
        .expectMessage(u("見本画像 … 画像枠をドラッグして，表示する位置を決めて下さい。"), MessageType::Warning,
                       MessageButtons::Ok, Answer::Ok);
    paint({300, 300}, {300, 300});
    paint({10, 10}, {60, 40});
    EXPECT_EQ(editor->paintMode(), PaintMode::Pen);
    EXPECT_TRUE(editor->sampleOn());
    EXPECT_EQ(editor->samplePosition(), QPoint(50, 30));
    EXPECT_TRUE(editor->picture().strokes().empty()) << "placing the sample paints nothing";
    EXPECT_EQ(editor->sample().pixel(30, 30) & 0xFFFFFFu, 0xB3B3B3u) << "black washes out to 179";
    EXPECT_EQ(editor->sample().pixel(60, 60) & 0xFFFFFFu, 0xFFFEFFu) << "254 beside two 255 stays 254";
    EXPECT_EQ(editor->sample().pixel(5, 5) & 0xFFFFFFu, 0xFFFFFFu);
    const QImage shown = editor->controls().view->grab().toImage();
    EXPECT_EQ(shown.pixel(80, 60) & 0xFFFFFFu, 0xB3B3B3u) << "the view shows it under the picture";

    // It never enters the picture, and OK hands over the picture alone.
    paint({0, 200}, {300, 200});
    EXPECT_EQ(pixel(80, 60), 0xFFFFFFu);
    QTimer::singleShot(0, editor.get(), [this] { editor->btOKClick(); });
    editor->exec();
    EXPECT_EQ(editor->resultPicture().pixel(80, 60) & 0xFFFFFFu, 0xFFFFFFu);

    editor->controls().sbShowMihon->click();
    EXPECT_FALSE(editor->sampleOn());
    EXPECT_EQ(editor->controls().view->grab().toImage().pixel(80, 60) & 0xFFFFFFu, 0xFFFFFFu);
}

} // namespace
