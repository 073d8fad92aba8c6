// Files dropped on the main window from a file manager, through the window's own drop handler.

#include "app/main_window_driver.h"
#include "document/figure_file_io.h"
#include "platform/atomic_file.h"
#include "platform/bmp_codec.h"
#include "support/figure_builders.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

using namespace molvane;
using namespace molvane::test;

namespace {

const QString kModified = "図形ファイルが変更されています。保存しますか。";

class FileDropTest : public MainWindowDriver {
protected:
    QString writeFigures(const QString& name, FigureFileMode mode, const FigureList& figures)
    {
        ScriptedPrompts quiet;
        Drawing source;
        source.setCanvasSize({300, 200});
        const auto written =
            writeFigureFile(source, dir.filePath(name), mode, figures, {120, 60, 100, 40}, quiet);
        EXPECT_TRUE(written);
        return written.value_or(QString());
    }
    QString writePicture(const QString& name)
    {
        QImage picture(8, 6, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        EXPECT_TRUE(writeFileAtomically(dir.filePath(name), writeBmp(picture)));
        return dir.filePath(name);
    }
    QMimeData* filesData(const QStringList& names)
    {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& name : names)
            urls.append(QUrl::fromLocalFile(dir.filePath(name)));
        data->setUrls(urls);
        data_.reset(data);
        return data;
    }
    bool dragEnter(const QMimeData* data)
    {
        QDragEnterEvent e(QPoint(200, 200), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &e);
        return e.isAccepted();
    }
    // As the window system delivers a drop: the drag enters the window first, then is let go there.
    bool drop(const QStringList& names)
    {
        const QMimeData* data = filesData(names);
        if (!dragEnter(data))
            return false;
        QDropEvent e(QPointF(200, 200), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &e);
        return e.isAccepted();
    }
    void drawSomething()
    {
        commit(bond({10, 10}, {80, 30}));
        ASSERT_TRUE(form->drawing().isModified());
    }

    std::unique_ptr<QMimeData> data_;
};

} // namespace

TEST_F(FileDropTest, ADroppedDrawingOpensAfterTheUnsavedQuestionAndTheFirstFileTheWindowTakesWins)
{
    writeFigures("ring.fga", FigureFileMode::Whole, {bond({20, 20}, {60, 20}), bond({60, 20}, {60, 60})});
    writePicture("later.bmp");
    drawSomething();
    prompts.setIgnoreBeeps(true);

    prompts.expectMessage(kModified, MessageType::Confirmation, MessageButtons::YesNoCancel, Answer::Cancel);
    EXPECT_TRUE(drop({"notes.txt", "ring.fga", "later.bmp"}));
    EXPECT_EQ(figures().size(), 1u) << "cancelled: the drawing stays";

    prompts.expectMessage(kModified, MessageType::Confirmation, MessageButtons::YesNoCancel, Answer::No);
    drop({"notes.txt", "ring.fga", "later.bmp"});
    EXPECT_EQ(prompts.pendingCount(), 0);
    EXPECT_EQ(figures().size(), 2u);
    EXPECT_EQ(form->windowTitle(), "Molvane ～ ring.fga");
    EXPECT_FALSE(form->drawing().isModified());
    EXPECT_TRUE(form->pictures().pendingPicture().isNull()) << "only the first file is taken";
}

TEST_F(FileDropTest, APartialFileWaitsInThePasteFrameAPictureToBePlacedAndOtherFilesAreRefused)
{
    drawSomething();
    writePicture("photo.png");
    prompts.expectBeep(BeepKind::Warning);
    prompts.expectMessage("photo.png は開けません。\n図形ファイル（*.fga），部分図形ファイル（*.fgb），"
                          "画像ファイル（*.bmp，*.jpg）をドロップして下さい。",
                          MessageType::Warning, MessageButtons::Ok, Answer::Ok);
    drop({"photo.png", "notes.txt"});
    EXPECT_EQ(prompts.pendingCount(), 0);
    EXPECT_EQ(figures().size(), 1u);
    QMimeData text;
    text.setText("CH3");
    EXPECT_FALSE(dragEnter(&text)) << "only files are welcome";

    writeFigures("part.fgb", FigureFileMode::Partial, {bond({110, 60}, {150, 60})});
    drop({"part.fgb"});
    EXPECT_EQ(form->drawing().pasteList.size(), 1u);
    ASSERT_TRUE(form->pasteFrameShown());
    EXPECT_EQ(form->pasteFrameRect().size(), QSize(120, 60));
    EXPECT_EQ(figures().size(), 1u) << "nothing is placed before the user places it";

    form.reset();
    SetUp();
    const QString picture = writePicture("ring.BMP");
    drop({"ring.BMP"});
    EXPECT_EQ(form->pictures().pendingPicture().size(), QSize(8, 6));
    EXPECT_EQ(form->pictures().pictureFileName(), picture);
    EXPECT_EQ(form->editMode(), EditMode::PicturePlacing);
}

// The menu entry starts "molvane %f": a figure file named there opens as a dropped one would.
TEST_F(FileDropTest, AFigureFileNamedOnTheCommandLineOpens)
{
    form->openStartupFile(writeFigures("ring.fga", FigureFileMode::Whole, {bond({20, 20}, {60, 20})}));
    EXPECT_EQ(figures().size(), 1u);
    EXPECT_EQ(form->windowTitle(), "Molvane ～ ring.fga");
}
