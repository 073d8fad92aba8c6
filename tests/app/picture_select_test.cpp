// The picture import window driven as a user would: a picture opened (enclosed white, caption, hostile
// files), a Shift ellipse cut out, erases, the history's order after undo, the adjustment cancelled bit
// for bit, and OK's questions.

#include "pictures/tform_pic_effect.h"
#include "pictures/tform_picture_select.h"
#include "pictures/tform_select_width.h"
#include "platform/atomic_file.h"
#include "platform/bmp_codec.h"
#include "support/scripted_prompts.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

class PictureSelectTest : public ::testing::Test {
protected:
    void SetUp() override { window.setDialogs(&width, &effect); }
    QString ring()
    {
        QImage picture(200, 100, QImage::Format_RGB32);
        picture.fill(Qt::white);
        for (int y = 20; y < 80; ++y)
            for (int x = 50; x < 150; ++x)
                if (x < 55 || x >= 145 || y < 25 || y >= 75)
                    picture.setPixel(x, y, qRgb(0, 0, 200));
        const QString path = dir.filePath("ring.bmp");
        EXPECT_TRUE(writeFileAtomically(path, writeBmp(picture)));
        return path;
    }
    void open(const QString& path)
    {
        prompts.expectFileDialog(QStringLiteral("画像を開く"), FileDialogResult{true, path, 3, false});
        window.openClick();
    }
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QWidget* view = window.findChild<QWidget*>(QStringLiteral("Image1"));
        const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton b, Qt::MouseButtons held) {
            QMouseEvent e(type, QPointF(at), view->mapToGlobal(QPointF(at)), b, held, m);
            QApplication::sendEvent(view, &e);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }
    QRgb rgb(int x, int y) const { return window.editPicture().pixel(x, y) & 0xFFFFFFu; }
    static QString u(const char* text) { return QString::fromUtf8(text); }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    TFormPictureSelect window{prompts};
    TFormSelectWidth width;
    TFormPicEffect effect;
};

TEST_F(PictureSelectTest, AnOpenedPictureKeepsItsEnclosedWhiteAndAShiftEllipseIsACircle)
{
    open(ring());
    ASSERT_EQ(window.editPicture().size(), QSize(200, 100));
    EXPECT_EQ(rgb(5, 5), 0xFFFFFFu) << "the background stays transparent";
    EXPECT_NE(rgb(100, 50), 0xFFFFFFu) << "the ring's inside shows white";
    EXPECT_TRUE(window.windowTitle().endsWith(u(" ～ 画像の取り込み")));

    window.setShape(CutShape::Ellipse);
    drag({50, 50}, {80, 60}, Qt::ShiftModifier);
    ASSERT_EQ(window.cutLine().points.size(), 2);
    EXPECT_EQ(window.cutLine().points[1], QPoint(80, 80));
}

TEST_F(PictureSelectTest, TrimsAreUndoneInTheOrderTheyWereMadeAndUndoneStatesStayReachable)
{
    open(ring());
    std::vector<QSize> sizes{window.editPicture().size()};
    for (int i = 0; i < 3; ++i) {
        drag({10 + 5 * i, 5}, {180 - 20 * i, 95 - 10 * i});
        window.sbSelectClick();
        sizes.push_back(window.editPicture().size());
    }
    EXPECT_EQ(sizes[1], QSize(170, 90));
    window.undoClick();
    window.undoClick();
    EXPECT_EQ(window.editPicture().size(), sizes[1]);
    drag({10, 10}, {40, 40});
    window.eraseClick();
    EXPECT_EQ(rgb(20, 20), 0xFFFFFFu);
    // Back through the state before the erase, the two undone states as they were undone, then on.
    for (const QSize& expected : {sizes[1], sizes[2], sizes[3], sizes[2], sizes[1], sizes[0]}) {
        window.undoClick();
        EXPECT_EQ(window.editPicture().size(), expected);
    }
    EXPECT_FALSE(window.canUndo());
    window.redoClick();
    EXPECT_EQ(window.editPicture().size(), sizes[1]);
}

TEST_F(PictureSelectTest, CancellingTheAdjustmentGivesThePictureBackBitForBit)
{
    open(ring());
    const QImage before = window.editPicture();
    QTimer::singleShot(0, &effect, [this, &before] {
        effect.setBar(0, 30);
        effect.setBar(2, -60);
        EXPECT_FALSE(window.editPicture() == before) << "every move shows at once";
        effect.reject();
    });
    window.effectClick();
    EXPECT_TRUE(window.editPicture() == before);
    QTimer::singleShot(0, &effect, [this] {
        effect.setBar(0, -100);
        effect.accept();
    });
    window.effectClick();
    EXPECT_EQ(rgb(5, 5), 0u) << "brightness -100 turns even transparent white black";
    EXPECT_FALSE(window.canUndo()) << "an adjustment is no step";
}

TEST_F(PictureSelectTest, OkAsksAboutAnUnusedLineAndRefusesWithoutAPicture)
{
    prompts.expectBeep(BeepKind::Information)
        .expectMessage(u("画像が選択されていません。"), MessageType::Warning, MessageButtons::Ok, Answer::Ok);
    window.btOKClick();
    open(ring());
    drag({10, 10}, {110, 60});
    prompts.expectBeep(BeepKind::Exclamation)
        .expectMessage(u("選択範囲を切り出しますか。"), MessageType::Confirmation, MessageButtons::YesNo,
                       Answer::Yes);
    window.btOKClick();
    EXPECT_EQ(window.editPicture().size(), QSize(100, 50));
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(PictureSelectTest, HostilePicturesAreRefusedAndChangeNothing)
{
    open(ring());
    const QString folder = QStringLiteral(MOLVANE_TEST_DATA_DIR) + QStringLiteral("/hostile/pictures");
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        const QString path = folder + QLatin1Char('/') + name;
        prompts.expectFileDialog(u("画像を開く"), FileDialogResult{true, path, 3, false})
            .expectMessageStartingWith(u("画像ファイル ") + path + u(" を読み込めません。"),
                                       MessageType::Error, MessageButtons::Ok, Answer::Ok);
        window.openClick();
        EXPECT_EQ(window.editPicture().size(), QSize(200, 100)) << name.toStdString();
    }
}

} // namespace

#include "picture_editor/tform_picture_editor.h"

namespace {

// 画像 in the editor: the import window opens path and its OK takes the whole picture.
void importInto(TFormPictureEditor& editor, TFormPictureSelect& window, ScriptedPrompts& prompts,
                const QString& path)
{
    editor.setImportWindow(&window);
    prompts.expectFileDialog(QString::fromUtf8("画像を開く"), FileDialogResult{true, path, 3, false});
    QTimer::singleShot(0, &window, [&window] {
        window.openClick();
        window.btOKClick();
    });
    editor.sbFaceSelectClick();
}

TEST_F(PictureSelectTest, TheImportedPictureFloatsInTheEditorAndOkAsksUntilItIsDrawn)
{
    TFormPictureEditor editor(prompts);
    const QString path = ring();
    importInto(editor, window, prompts, path);
    ASSERT_TRUE(editor.importedPictureShown());
    EXPECT_EQ(editor.importedPictureRect().size(), QSize(200, 100));
    EXPECT_EQ(editor.controls().sbFaceShow->text(), u("隠す"));

    prompts.expectBeep(BeepKind::Exclamation)
        .expectMessage(u("新しく取り込んだ画像が，一度も描画されていません。いいですか。"),
                       MessageType::Information, MessageButtons::YesCancel, Answer::Cancel);
    editor.setResult(QDialog::Rejected);
    editor.btOKClick();
    EXPECT_EQ(editor.result(), QDialog::Rejected) << "Cancel keeps the editor open";

    EXPECT_TRUE(editor.FormKeyDown(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier))
        << "Shift+Ctrl+V draws";
    ASSERT_EQ(editor.picture().strokes().size(), 1u);
    EXPECT_EQ(editor.picture().strokes()[0].text, path);
    const QRect at = editor.importedPictureRect();
    EXPECT_NE(editor.picture().working().pixel(at.left() + 52, at.top() + 50) & 0xFFFFFFu, 0xFFFFFFu);
    editor.btOKClick();
    EXPECT_EQ(editor.result(), QDialog::Accepted) << "drawn once: no question";

    editor.FormKeyDown(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(editor.importedPictureShown());
}

TEST_F(PictureSelectTest, AtZoom200AnImportedPictureShowsAtItsPixelSizeAndIndependentKeepsItThroughZooms)
{
    TFormPictureEditor editor(prompts);
    editor.controls().zoomUpDown->setValue(200);
    QImage picture(100, 80, QImage::Format_RGB32);
    picture.fill(qRgb(0, 128, 0));
    const QString path = dir.filePath("green.bmp");
    ASSERT_TRUE(writeFileAtomically(path, writeBmp(picture)));
    importInto(editor, window, prompts, path);
    ASSERT_TRUE(editor.importedPictureShown());
    EXPECT_EQ(editor.importedPictureRect().size(), QSize(100, 80)) << "its own pixels on screen";
    editor.sbFaceByougaClick();
    ASSERT_EQ(editor.picture().strokes().size(), 1u);
    EXPECT_EQ(editor.picture().strokes()[0].picture.size(), QSize(50, 40)) << "50 x 40 canvas pixels";

    editor.controls().zoomUpDown->setValue(100);
    EXPECT_EQ(editor.importedPictureRect().size(), QSize(50, 40)) << "連動 follows the zoom";
    editor.controls().rbBairituKotei->click();
    EXPECT_EQ(editor.importedPictureRect().size(), QSize(100, 80));
    const QPoint at = editor.importedPictureRect().topLeft();
    editor.controls().zoomUpDown->setValue(300);
    EXPECT_EQ(editor.importedPictureRect().size(), QSize(100, 80)) << "独立 keeps its screen size";
    EXPECT_LE((editor.importedPictureRect().topLeft() - at).manhattanLength(), 4) << "and its place";
}

} // namespace
