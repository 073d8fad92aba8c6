// A drawing outlives its editor: a copy is written while it is modified, offered back at the next start
// after the editor was killed, kept apart from the copies of an editor still running, declined only for
// one more start, and a full disk never costs the copy already there.

#include "document/figure_file.h"
#include "document/main_window/tform1.h"
#include "painting/paint_picture.h"
#include "picture_editor/tform_picture_editor.h"
#include "platform/atomic_file.h"
#include "platform/data_folder.h"
#include "support/scripted_prompts.h"
#include "support/tiny_filesystem.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <cstdio>

using namespace molvane;
using namespace molvane::test;

namespace {

constexpr const char* kVictimRoot = "MOLVANE_RECOVERY_VICTIM_ROOT";

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

QString drawingQuestion(const QString& name)
{
    return u("前回，正常に終了しなかったときの図形が残っています（%1）。復元しますか。").arg(name);
}

void drawLine(TForm1& form, QPoint from, QPoint to)
{
    QWidget* view = form.canvasView();
    const auto send = [view](QEvent::Type type, QPoint at, Qt::MouseButton b, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), view->mapToGlobal(QPointF(at)), b, held, Qt::NoModifier);
        QApplication::sendEvent(view, &e);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

void backUp(TForm1& form)
{
    form.recovery().tick();
    form.recovery().store()->waitForWrite();
}

QStringList copiesIn(const QString& root, const char* pattern)
{
    return QDir(QDir(root).filePath(u("復元"))).entryList({QString::fromLatin1(pattern)}, QDir::Files);
}

// The figures a copy holds.
qsizetype figuresIn(const QString& path)
{
    QByteArray bytes;
    return readWholeFile(path, bytes) ? decodeFigureFile(bytes).figures.size() : -1;
}

// Another editor, in a process of its own: it draws a line, writes its copy and waits to be killed.
class Victim {
public:
    explicit Victim(const QString& root)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kVictimRoot), root);
        process_.setProcessEnvironment(env);
        process_.start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--gtest_also_run_disabled_tests"),
             QStringLiteral("--gtest_filter=RecoveryVictim.DISABLED_DrawsALineAndWaitsToBeKilled")});
        while (process_.waitForReadyRead(20000))
            if (process_.readAll().contains("copy written"))
                return;
        ADD_FAILURE() << "the other editor never wrote its copy";
    }
    ~Victim() { kill(); }
    void kill()
    {
        process_.kill(); // SIGKILL: no chance to tidy up
        process_.waitForFinished();
    }

private:
    QProcess process_;
};

} // namespace

TEST(RecoveryVictim, DISABLED_DrawsALineAndWaitsToBeKilled)
{
    const QString root = qEnvironmentVariable(kVictimRoot);
    ASSERT_FALSE(root.isEmpty());
    ScriptedPrompts prompts;
    prompts.setIgnoreBeeps(true);
    TForm1 form(prompts, dataFoldersIn(root));
    drawLine(form, {40, 40}, {200, 120});
    backUp(form);
    std::printf("copy written\n");
    std::fflush(stdout);
    QThread::sleep(60);
}

TEST(Recovery, AKilledEditorsDrawingComesBackModifiedAndUnnamedWhileARunningEditorKeepsItsOwn)
{
    QTemporaryDir dir;
    const QString root = dir.filePath(u("Molvane"));
    const DataFolders folders = dataFoldersIn(root);
    Victim victim(root);
    ASSERT_EQ(copiesIn(root, "*.fga").size(), 1);
    {
        // The other editor is still running: nothing is offered, and each keeps its own copy.
        ScriptedPrompts prompts;
        prompts.setIgnoreBeeps(true);
        TForm1 form(prompts, folders);
        form.recovery().offerOrphans();
        drawLine(form, {30, 30}, {90, 30});
        drawLine(form, {30, 60}, {90, 60});
        backUp(form);
        EXPECT_EQ(copiesIn(root, "*.fga").size(), 2);
        EXPECT_EQ(figuresIn(form.recovery().store()->drawingPath()), 2);
        // A normal exit takes its copy away.
        form.recovery().closing();
        EXPECT_EQ(copiesIn(root, "*.fga").size(), 1);
        form.drawing().takeBaseline();
    }
    victim.kill();

    ScriptedPrompts prompts;
    prompts.setIgnoreBeeps(true);
    prompts.expectMessage(drawingQuestion(u("名前なし")), MessageType::Confirmation, MessageButtons::YesNo,
                          Answer::Yes);
    TForm1 form(prompts, folders);
    form.recovery().offerOrphans();
    EXPECT_EQ(form.drawing().figures.size(), 1);
    EXPECT_TRUE(form.drawing().isModified());
    EXPECT_TRUE(form.files().fileName().isEmpty());
    // The restored copy is this editor's own now; a save would take it away, as the exit does.
    EXPECT_EQ(figuresIn(form.recovery().store()->drawingPath()), 1);
    form.recovery().closing();
    EXPECT_TRUE(copiesIn(root, "*.fga").isEmpty());
    form.drawing().takeBaseline();
}

TEST(Recovery, ADeclinedCopyIsOfferedOnceMoreThenRemovedAndAPictureComesBackToTheEditor)
{
    QTemporaryDir dir;
    const QString root = dir.filePath(u("Molvane"));
    const DataFolders folders = dataFoldersIn(root);
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(200, 30, 30));
    {
        // An editor that ends without its exit: its lock goes with it, its copies stay.
        ScriptedPrompts prompts;
        prompts.setIgnoreBeeps(true);
        TForm1 form(prompts, folders);
        TFormPictureEditor editor(prompts);
        form.pictures().setPictureEditor(&editor);
        form.setCaptionFor(u("/home/someone/ベンゼン.fga"));
        drawLine(form, {40, 40}, {200, 120});
        editor.restorePicture(picture);
        backUp(form);
        EXPECT_EQ(copiesIn(root, "*.bmp").size(), 1);
        form.drawing().takeBaseline();
    }
    const auto start = [&](Answer drawingAnswer, std::optional<Answer> pictureAnswer) {
        ScriptedPrompts prompts;
        prompts.setIgnoreBeeps(true);
        prompts.expectMessage(drawingQuestion(u("/home/someone/ベンゼン.fga")), MessageType::Confirmation,
                              MessageButtons::YesNo, drawingAnswer);
        if (pictureAnswer)
            prompts.expectMessage(
                u("前回，正常に終了しなかったときの画像エディタの画像が残っています。復元しますか。"),
                MessageType::Confirmation, MessageButtons::YesNo, *pictureAnswer);
        TForm1 form(prompts, folders);
        TFormPictureEditor editor(prompts);
        form.pictures().setPictureEditor(&editor);
        form.recovery().offerOrphans();
        if (pictureAnswer == Answer::Yes) {
            EXPECT_TRUE(editor.isModified());
            EXPECT_EQ(editor.picture().working().copy(0, 0, 40, 30).convertToFormat(QImage::Format_RGB32),
                      picture);
        }
        form.recovery().closing();
        form.drawing().takeBaseline();
    };
    start(Answer::No, Answer::No);
    EXPECT_EQ(copiesIn(root, "*.fga").size() + copiesIn(root, "*.bmp").size(), 2u)
        << "kept for one more start";
    start(Answer::No, Answer::Yes);
    EXPECT_TRUE(copiesIn(root, "*").isEmpty()) << "declined twice: gone; restored: taken, then a normal exit";
}

TEST(Recovery, AFullDiskKeepsThePreviousCopyAndTheWindowWorking)
{
    TinyFilesystem disk;
    SKIP_WITHOUT_TINY_FILESYSTEM(disk);
    const QString root = disk.filePath(u("Molvane"));
    ScriptedPrompts prompts;
    prompts.setIgnoreBeeps(true);
    TForm1 form(prompts, dataFoldersIn(root));
    drawLine(form, {40, 40}, {200, 120});
    backUp(form);
    const QString copy = form.recovery().store()->drawingPath();
    QByteArray before;
    ASSERT_TRUE(readWholeFile(copy, before));

    ASSERT_TRUE(disk.fill());
    drawLine(form, {40, 80}, {200, 160});
    backUp(form);
    form.recovery().tick(); // the failure is told at the next round
    form.recovery().store()->waitForWrite();
    QByteArray after;
    ASSERT_TRUE(readWholeFile(copy, after));
    EXPECT_EQ(after, before);
    const auto* status = form.findChild<QLabel*>(QStringLiteral("StatusPanel2"));
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->text().startsWith(u("復元用の控えを保存できません"))) << status->text().toStdString();
    drawLine(form, {40, 120}, {200, 200});
    EXPECT_EQ(form.drawing().figures.size(), 3) << "the window goes on working";

    disk.makeRoom();
    backUp(form);
    form.recovery().tick();
    form.recovery().store()->waitForWrite();
    EXPECT_EQ(figuresIn(copy), 3);
    form.recovery().closing();
    form.drawing().takeBaseline();
}
