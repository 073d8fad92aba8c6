#include "document/figure_file_io.h"
#include "document/main_window/tform1.h"

#include "platform/atomic_file.h"
#include "platform/bmp_codec.h"
#include "platform/cp932.h"
#include "platform/ini_file.h"
#include "support/figure_builders.h"
#include "support/image_test_util.h"
#include "support/scripted_prompts.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <tuple>
#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

const QString kModified = "図形ファイルが変更されています。保存しますか。";

class FileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { folders = dataFoldersIn(dir.filePath("data/Molvane")); }
    void TearDown() override
    {
        if (form) {
            prompts.setIgnoreBeeps(true);
            form->drawing().takeBaseline(); // nothing left to ask about
            form.reset();
        }
    }
    TForm1& start()
    {
        form = std::make_unique<TForm1>(prompts, folders);
        return *form;
    }
    void draw(TForm1& f)
    {
        f.drawing().figures.push_back(bond({10, 10}, {80, 30}));
        f.drawing().rebuildBitmap();
        f.drawing().pushHistory();
    }
    QString writeIni(const QString& text)
    {
        QDir().mkpath(folders.root);
        EXPECT_TRUE(writeFileAtomically(folders.iniFile, toCp932(text)));
        return folders.iniFile;
    }
    FileDialogResult chosen(const QString& path) { return FileDialogResult{true, path, 1, false}; }

    QTemporaryDir dir;
    DataFolders folders;
    ScriptedPrompts prompts;
    std::unique_ptr<TForm1> form;
};

} // namespace

TEST_F(FileCommandsTest, AMissingDataFolderIsCreatedAndTheSettingsFileWrittenOnClose)
{
    TForm1& f = start();
    for (const QString& path : {folders.root, folders.figures, folders.partFigures, folders.pictures, folders.partPictures})
        EXPECT_TRUE(QFileInfo(path).isDir()) << path.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folders.iniFile)) << "nothing is written before closing";
    EXPECT_FALSE(f.drawing().settings.saveWithPic);
    EXPECT_FALSE(f.drawing().settings.picBmp);
    EXPECT_EQ(f.files().partPicFolder(), folders.partPictures);
    ASSERT_TRUE(f.close());
    const IniFile ini = IniFile::load(folders.iniFile);
    for (int n = 0; n < 72; ++n)
        EXPECT_TRUE(ini.hasKey("文字ボタン", QString("ボタン%1").arg(n))) << n;
    EXPECT_EQ(ini.value("文字ボタン", "ボタン0"), "A");
    EXPECT_EQ(ini.value("文字ボタン", "ボタン71"), "Δ");
    const QString text = ini.toText();
    EXPECT_LT(text.indexOf("[文字ボタン]"), text.indexOf("[表示]"));
    EXPECT_LT(text.indexOf("[表示]"), text.indexOf("[図形保存]"));
}

TEST_F(FileCommandsTest, StoredSettingsAndButtonContentsAreAppliedAtStart)
{
    writeIni("[文字ボタン]\r\nボタン0=CH3\r\nボタン1=   \r\nボタン2=Ａ\r\n[表示]\r\n罫線色=0xFF\r\n文字ボタン色有効=1\r\n");
    TForm1& f = start();
    EXPECT_EQ(f.drawing().settings.masuColor, 255u);
    EXPECT_TRUE(f.drawing().settings.saveWithPic) << "a file without 図形保存 turns auto-save on";
    EXPECT_TRUE(f.drawing().settings.picBmp);
    QToolButton* a = f.findChild<QToolButton*>("sbChar1");
    EXPECT_EQ(a->text(), "CH");
    EXPECT_TRUE(a->toolTip().endsWith("【現在の内容】 CH3"));
    EXPECT_EQ(a->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
    EXPECT_EQ(f.findChild<QToolButton*>("sbChar2")->text(), "B") << "a blank value leaves the button";
    EXPECT_EQ(f.findChild<QToolButton*>("sbChar3")->text(), "Ａ");
}

TEST_F(FileCommandsTest, ClosingModifiedAndCancellingKeepsTheWindowAndWritesNoSettings)
{
    TForm1& f = start();
    draw(f);
    prompts.expectBeep(BeepKind::Warning).expectMessage(kModified, MessageType::Confirmation, MessageButtons::YesNoCancel, Answer::Cancel);
    EXPECT_FALSE(f.close());
    EXPECT_FALSE(QFileInfo::exists(folders.iniFile));
    // Yes runs Save As; cancelling its dialog keeps the window open.
    prompts.expectBeep(BeepKind::Warning)
        .expectMessage(kModified, MessageType::Confirmation, MessageButtons::YesNoCancel, Answer::Yes)
        .expectFileDialog("名前を付けて保存", FileDialogResult{});
    EXPECT_FALSE(f.close());
    EXPECT_FALSE(QFileInfo::exists(folders.iniFile));
    // Yes and a name: saved, then closed.
    prompts.expectBeep(BeepKind::Warning)
        .expectMessage(kModified, MessageType::Confirmation, MessageButtons::YesNoCancel, Answer::Yes)
        .expectFileDialog("名前を付けて保存", chosen(dir.filePath("closing")));
    EXPECT_TRUE(f.close());
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("closing.fga")));
    EXPECT_TRUE(QFileInfo::exists(folders.iniFile));
}

TEST_F(FileCommandsTest, SaveAsAppendsTheExtensionAndSaveAsksBeforeUpdating)
{
    TForm1& f = start();
    draw(f);
    prompts.expectFileDialog("名前を付けて保存", chosen(dir.filePath("benzene")));
    f.findChild<QAction*>("mmFileSaveAs")->trigger();
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("benzene.fga")));
    EXPECT_EQ(f.windowTitle(), "Molvane ～ benzene.fga");
    EXPECT_FALSE(f.drawing().isModified());
    EXPECT_FALSE(f.drawing().canUndo());
    EXPECT_EQ(prompts.lastFileRequest().filter, "ファイル (*.fga)|*.fga");
    EXPECT_EQ(prompts.lastFileRequest().defaultExt, "fga");
    EXPECT_EQ(prompts.lastFileRequest().folder, folders.figures);

    draw(f);
    prompts.expectBeep(BeepKind::Warning)
        .expectMessage("図形ファイルを更新します。いいですか。", MessageType::Confirmation, MessageButtons::YesNo, Answer::No);
    f.findChild<QAction*>("mmFileSave")->trigger();
    EXPECT_TRUE(f.drawing().isModified());
    prompts.expectBeep(BeepKind::Warning)
        .expectMessage("図形ファイルを更新します。いいですか。", MessageType::Confirmation, MessageButtons::YesNo, Answer::Yes);
    f.findChild<QAction*>("mmFileSave")->trigger();
    EXPECT_FALSE(f.drawing().isModified());
    FigureList back;
    QByteArray bytes;
    ASSERT_TRUE(readWholeFile(dir.filePath("benzene.fga"), bytes));
    EXPECT_EQ(decodeFigureFile(bytes).figures.size(), 2u);
}

TEST_F(FileCommandsTest, SaveAsAsksBeforeReplacingAFile)
{
    TForm1& f = start();
    draw(f);
    ASSERT_TRUE(writeFileAtomically(dir.filePath("taken.fga"), "old"));
    prompts.expectFileDialog("名前を付けて保存", chosen(dir.filePath("taken.fga")))
        .expectBeep(BeepKind::Exclamation)
        .expectMessage("ファイルはすでに存在します。上書き保存しますか。\r\ntaken.fga", MessageType::Confirmation,
                       MessageButtons::YesNo, Answer::No)
        .expectFileDialog("名前を付けて保存", FileDialogResult{});
    f.findChild<QAction*>("mmFileSaveAs")->trigger();
    QByteArray bytes;
    ASSERT_TRUE(readWholeFile(dir.filePath("taken.fga"), bytes));
    EXPECT_EQ(bytes, "old");
}

TEST_F(FileCommandsTest, OpenShowsTheNameAndOneUndoShowsTheEmptyDrawing)
{
    TForm1& f = start();
    draw(f);
    prompts.expectFileDialog("名前を付けて保存", chosen(dir.filePath("ring.fga")));
    f.findChild<QAction*>("mmFileSaveAs")->trigger();
    f.findChild<QAction*>("mmFileNew")->trigger();
    EXPECT_TRUE(f.drawing().figures.empty());
    EXPECT_EQ(f.windowTitle(), "Molvane");

    prompts.expectFileDialog("図形ファイルを開く", chosen(dir.filePath("ring.fga")));
    f.findChild<QAction*>("mmFileOpen")->trigger();
    EXPECT_EQ(prompts.lastFileRequest().filter, "ファイル (*.fga)|*.fga");
    EXPECT_TRUE(prompts.lastFileRequest().mustExist);
    EXPECT_EQ(f.windowTitle(), "Molvane ～ ring.fga");
    ASSERT_EQ(f.drawing().figures.size(), 1u);
    EXPECT_FALSE(f.drawing().isModified());
    f.findChild<QAction*>("pmUndo")->trigger();
    EXPECT_TRUE(f.drawing().figures.empty());
    f.findChild<QAction*>("pmRedo")->trigger();
    EXPECT_EQ(f.drawing().figures.size(), 1u);
}

TEST_F(FileCommandsTest, APartialFileOfTheArgumentsNameWinsOverThePicture)
{
    start();
    ScriptedPrompts quiet;
    Drawing source;
    QDir().mkpath(folders.partFigures);
    ASSERT_TRUE(writeFigureFile(source, QDir(folders.partFigures).filePath("ring.fgb"), FigureFileMode::Partial,
                                {bond({110, 60}, {150, 60})}, {100, 50, 100, 40}, quiet));
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(writeFileAtomically(dir.filePath("ring.bmp"), writeBmp(picture)));
    form->openStartupFile(dir.filePath("ring.bmp"));
    EXPECT_EQ(form->drawing().pasteList.size(), 1u) << "the partial figure file was read";
    EXPECT_TRUE(form->pictures().pendingPicture().isNull());
    ASSERT_TRUE(form->pasteFrameShown()) << "and waits in the paste frame";
    const QRect frame = form->pasteFrameRect();
    EXPECT_EQ(frame.size(), QSize(100, 50));
    form->drawing().pushHistory();
    {
        CanvasView* view = form->canvasView();
        const QPoint grab = frame.center();
        for (auto [type, at, buttons] : {std::tuple{QEvent::MouseButtonPress, grab, Qt::LeftButton},
                                         std::tuple{QEvent::MouseMove, grab + QPoint(48, 24), Qt::LeftButton},
                                         std::tuple{QEvent::MouseButtonRelease, grab + QPoint(48, 24), Qt::NoButton}}) {
            QMouseEvent e(type, QPointF(at), view->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(view, &e);
        }
    }
    ASSERT_EQ(form->drawing().figures.size(), 1u);
    EXPECT_EQ(form->drawing().figures[0].ends[kMainStart], frame.topLeft() + QPoint(48, 24) + QPoint(10, 20));
    form.reset();

    start();
    form->openStartupFile(dir.filePath("other.fga"));
    EXPECT_TRUE(form->drawing().pasteList.empty());
    ASSERT_TRUE(writeFileAtomically(dir.filePath("alone.bmp"), writeBmp(picture)));
    form->openStartupFile(dir.filePath("alone.bmp"));
    EXPECT_EQ(form->pictures().pendingPicture().size(), QSize(8, 8));
    EXPECT_EQ(form->pictures().pictureFileName(), dir.filePath("alone.bmp"));
    EXPECT_EQ(form->editMode(), EditMode::PicturePlacing);
    EXPECT_TRUE(form->pasteFrameShown()) << "the picture shows in its frame at once";
}

TEST_F(FileCommandsTest, APartialFileChosenByADoubleClickIsPlacedByTheNextDragWhereverItsReleaseWent)
{
    start();
    QDir().mkpath(folders.partFigures);
    const QString path = QDir(folders.partFigures).filePath("ring.fgb");
    ASSERT_TRUE(writeFigureFile(Drawing(), path, FigureFileMode::Partial, {bond({110, 60}, {150, 60})},
                                {100, 50, 100, 40}, prompts));
    // The double-click's release went to the dialog, not to the canvas.
    prompts.expectFileDialog("部分図形ファイルを開く", FileDialogResult{true, path, 1, true});
    form->sbLoadClick();
    ASSERT_TRUE(form->pasteFrameShown());
    const QPoint grab = form->pasteFrameRect().center();
    CanvasView* view = form->canvasView();
    for (auto [type, at, buttons] :
         {std::tuple{QEvent::MouseButtonPress, grab, Qt::LeftButton},
          std::tuple{QEvent::MouseMove, grab + QPoint(48, 24), Qt::LeftButton},
          std::tuple{QEvent::MouseButtonRelease, grab + QPoint(48, 24), Qt::NoButton}}) {
        QMouseEvent e(type, QPointF(at), view->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(view, &e);
    }
    EXPECT_FALSE(form->pasteFrameShown());
    EXPECT_EQ(form->drawing().figures.size(), 1u) << "the drag's own release places the figures";
}

TEST_F(FileCommandsTest, TheDialogsCarryTheirTitlesFiltersAndExtensions)
{
    TForm1& f = start();
    struct Row {
        TFileDialogComponent* dialog;
        const char* title;
        QString folder;
        const char* filter;
        int index;
        const char* ext;
    };
    const QString partial = "部分ファイル (*.fgb)|*.fgb", figure = "ファイル (*.fga)|*.fga";
    const QString pictures = "BMP ﾌｧｲﾙ (*.bmp)|*.bmp|JPEG ﾌｧｲﾙ (*.jpg)|*.jpg|全種類 (*.bmp, *.jpg)|*.bmp;*.jpg";
    const Row rows[] = {
        {&f.fileDialogs.MyOpenDialog1, "部分図形ファイルを開く", folders.partFigures, "p", 1, "fgb"},
        {&f.fileDialogs.MySaveDialog1, "部分図形ファイルとして保存", folders.partFigures, "p", 1, "fgb"},
        {&f.fileDialogs.MyOpenDialog2, "図形ファイルを開く", folders.figures, "f", 1, "fga"},
        {&f.fileDialogs.MySaveDialog2, "名前を付けて保存", folders.figures, "f", 1, "fga"},
        {&f.fileDialogs.MyOpenPictureDialog1, "部分画像ファイルを開く", folders.partPictures, "i", 3, "bmp"},
        {&f.fileDialogs.MySavePictureDialog1, "部分画像ファイルとして保存", folders.partPictures, "i", 3, "bmp"},
        {&f.fileDialogs.MyOpenPictureDialog2, "画像ファイルを開く", folders.pictures, "i", 3, "bmp"},
        {&f.fileDialogs.MySavePictureDialog2, "画像ファイルとして名前を付けて保存", folders.pictures, "i", 3, "bmp"},
        {&f.fileDialogs.MyOpenPictureDialog3, "見本画像として開く", folders.partPictures, "i", 3, "bmp"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(r.dialog->Title, QString::fromUtf8(r.title));
        EXPECT_EQ(r.dialog->InitialDir, r.folder) << r.title;
        const QString expected = r.filter[0] == 'p' ? partial : r.filter[0] == 'f' ? figure : pictures;
        EXPECT_EQ(r.dialog->Filter, expected) << r.title;
        EXPECT_EQ(r.dialog->FilterIndex, r.index) << r.title;
        EXPECT_EQ(r.dialog->DefaultExt, QString::fromLatin1(r.ext)) << r.title;
        EXPECT_TRUE(r.dialog->KeepSize && r.dialog->DirCreateBtn && r.dialog->ListChangeFN);
    }
    // A picture dialog asks for the preview; a figure dialog does not.
    prompts.expectFileDialog("画像ファイルを開く", FileDialogResult{});
    f.fileDialogs.MyOpenPictureDialog2.Execute(prompts);
    EXPECT_TRUE(prompts.lastFileRequest().picturePreview);
    prompts.expectFileDialog("部分図形ファイルを開く", FileDialogResult{true, "/x.fgb", 1, true});
    EXPECT_TRUE(f.fileDialogs.MyOpenDialog1.Execute(prompts));
    EXPECT_TRUE(f.fileDialogs.MyOpenDialog1.closedByDoubleClick());
    EXPECT_FALSE(prompts.lastFileRequest().picturePreview);
}

TEST_F(FileCommandsTest, TheConversionCommandAsksFirst)
{
    TForm1& f = start();
    prompts.expectBeep(BeepKind::Warning)
        .expectMessage("旧バージョンのデータを変換します。いいですか。", MessageType::Confirmation, MessageButtons::YesCancel,
                       Answer::Yes)
        .expectBeep(BeepKind::Information)
        .expectMessage("No Files", MessageType::Information, MessageButtons::Ok, Answer::Ok);
    f.findChild<QAction*>("mmChangeData")->trigger();
}

TEST_F(FileCommandsTest, EveryStoredHostileFileFailsThroughOpenAndTheEditorGoesOn)
{
    TForm1& f = start();
    draw(f);
    prompts.expectFileDialog("名前を付けて保存", chosen(dir.filePath("kept.fga")));
    f.findChild<QAction*>("mmFileSaveAs")->trigger();
    const QByteArray drawn = f.drawing().snapshot();
    const QDir hostile(QStringLiteral(MOLVANE_TEST_DATA_DIR "/hostile"));
    const QStringList names = hostile.entryList({QStringLiteral("*.fga")}, QDir::Files);
    ASSERT_GE(names.size(), 10);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        prompts.expectFileDialog("図形ファイルを開く", chosen(hostile.filePath(name)))
            .expectBeep(BeepKind::Information)
            .expectMessage("内部データエラー", MessageType::Error, MessageButtons::Ok, Answer::Ok);
        f.findChild<QAction*>("mmFileOpen")->trigger();
        EXPECT_EQ(prompts.pendingCount(), 0);
        EXPECT_EQ(f.drawing().snapshot(), drawn) << "the drawing is still there";
        EXPECT_EQ(f.windowTitle(), "Molvane ～ kept.fga");
    }
    draw(f); // and the editor goes on
    EXPECT_EQ(f.drawing().figures.size(), 2u);
}

TEST_F(FileCommandsTest, AFailedOpenKeepsTheDrawingItsNameAndItsHistory)
{
    TForm1& f = start();
    draw(f);
    prompts.expectFileDialog("名前を付けて保存", chosen(dir.filePath("kept.fga")));
    f.findChild<QAction*>("mmFileSaveAs")->trigger();
    draw(f); // modified again
    ASSERT_TRUE(writeFileAtomically(dir.filePath("broken.fga"), QByteArray("\x01\x00\x00\x00\xFF\x00\x00\x00", 8)));
    prompts.expectBeep(BeepKind::Warning)
        .expectMessage(kModified, MessageType::Confirmation, MessageButtons::YesNoCancel, Answer::No)
        .expectFileDialog("図形ファイルを開く", chosen(dir.filePath("broken.fga")))
        .expectBeep(BeepKind::Information)
        .expectMessage("内部データエラー", MessageType::Error, MessageButtons::Ok, Answer::Ok);
    f.findChild<QAction*>("mmFileOpen")->trigger();
    EXPECT_EQ(f.drawing().figures.size(), 2u) << "the drawing is still there";
    EXPECT_EQ(f.windowTitle(), "Molvane ～ kept.fga");
    EXPECT_TRUE(f.drawing().canUndo());
    EXPECT_TRUE(f.drawing().isModified());
}

// A file of a few hundred bytes declaring a 20000 x 20000 canvas opens at the controls' largest size.
TEST_F(FileCommandsTest, OpenHoldsAHugeCanvasToTheControls)
{
    TForm1& f = start();
    Drawing huge;
    huge.setCanvasSize({20000, 20000});
    ScriptedPrompts quiet;
    const auto written = writeFigureFile(huge, dir.filePath("huge.fga"), FigureFileMode::Whole,
                                         {bond({10, 10}, {80, 30})}, {}, quiet);
    ASSERT_TRUE(written);
    prompts.expectFileDialog("図形ファイルを開く", chosen(*written));
    f.findChild<QAction*>("mmFileOpen")->trigger();
    EXPECT_EQ(f.drawing().canvasSize(), QSize(2000, 1500));
    EXPECT_EQ(f.findChild<TUpDown*>("udWidth")->value(), 2000);
    EXPECT_EQ(f.findChild<TUpDown*>("udHeight")->value(), 1500);
    EXPECT_EQ(pixelAt(f.drawing().bitmap(), 10, 10), clBlack) << "the figures are drawn";
}

// A picture named on the command line that cannot be loaded was dropped without a word.
TEST_F(FileCommandsTest, APictureOnTheCommandLineThatCannotBeLoadedIsReported)
{
    TForm1& f = start();
    ASSERT_TRUE(writeFileAtomically(dir.filePath("broken.jpg"), "\xFF\xD8\xFF\xE0 not a JPEG"));
    QByteArray huge = writeBmp(QImage(1, 1, QImage::Format_RGB32));
    huge.replace(18, 8, QByteArray("\xA0\x1B\x00\x00\xA0\x1B\x00\x00", 8)); // 7072 x 7072
    ASSERT_TRUE(writeFileAtomically(dir.filePath("huge.bmp"), huge));
    const std::pair<const char*, const char*> pictures[] = {
        {"broken.jpg", "JPEG: "},
        {"huge.bmp", "BMP: 7072 x 7072 pixels exceeds the limit of 50000000 pixels"}};
    for (const auto& [name, reason] : pictures) {
        const QString path = dir.filePath(name);
        prompts.expectMessageStartingWith(QString("画像ファイル %1 を読み込めません。\n%2").arg(path, reason),
                                          MessageType::Error, MessageButtons::Ok, Answer::Ok);
        f.openStartupFile(path);
        EXPECT_EQ(prompts.pendingCount(), 0);
        EXPECT_TRUE(f.pictures().pendingPicture().isNull());
        EXPECT_NE(f.editMode(), EditMode::PicturePlacing);
    }
}
