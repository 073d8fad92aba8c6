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
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <tuple>
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>

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

// An editor in this process, with its prompts; it ends without asking to save.
struct Editor {
    explicit Editor(const QString& root, bool withPictureEditor = false) : form(prompts, dataFoldersIn(root))
    {
        prompts.setIgnoreBeeps(true);
        if (withPictureEditor) {
            pictures.emplace(prompts);
            form.pictures().setPictureEditor(&*pictures);
        }
    }
    ~Editor() { form.drawing().takeBaseline(); }
    void drawLine(QPoint from, QPoint to)
    {
        QWidget* view = form.canvasView();
        for (auto [type, at, button, held] :
             {std::tuple{QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::MouseButtons(Qt::LeftButton)},
              std::tuple{QEvent::MouseMove, to, Qt::NoButton, Qt::MouseButtons(Qt::LeftButton)},
              std::tuple{QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::MouseButtons(Qt::NoButton)}}) {
            QMouseEvent e(type, QPointF(at), view->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
            QApplication::sendEvent(view, &e);
        }
    }
    // One round of the timer, waited for.
    void backUp()
    {
        form.recovery().tick();
        form.recovery().store()->waitForWrite();
    }
    QString copy() { return form.recovery().store()->drawingPath(); }

    ScriptedPrompts prompts;
    TForm1 form;
    std::optional<TFormPictureEditor> pictures;
};

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
    Editor victim(root);
    victim.drawLine({40, 40}, {200, 120});
    victim.backUp();
    std::printf("copy written\n");
    std::fflush(stdout);
    QThread::sleep(60);
}

TEST(Recovery, AKilledEditorsDrawingComesBackModifiedAndUnnamedWhileARunningEditorKeepsItsOwn)
{
    QTemporaryDir dir;
    const QString root = dir.filePath(u("Molvane"));
    Victim victim(root);
    ASSERT_EQ(copiesIn(root, "*.fga").size(), 1);
    {
        // The other editor is still running: nothing is offered, and each keeps its own copy.
        Editor running(root);
        running.form.recovery().offerOrphans();
        running.drawLine({30, 30}, {90, 30});
        running.drawLine({30, 60}, {90, 60});
        running.backUp();
        EXPECT_EQ(copiesIn(root, "*.fga").size(), 2);
        EXPECT_EQ(figuresIn(running.copy()), 2);
        running.form.recovery().closing(); // a normal exit takes its copy away
        EXPECT_EQ(copiesIn(root, "*.fga").size(), 1);
    }
    victim.kill();

    Editor next(root);
    next.prompts.expectMessage(drawingQuestion(u("名前なし")), MessageType::Confirmation, MessageButtons::YesNo,
                               Answer::Yes);
    next.form.recovery().offerOrphans();
    EXPECT_EQ(next.form.drawing().figures.size(), 1);
    EXPECT_TRUE(next.form.drawing().isModified());
    EXPECT_TRUE(next.form.files().fileName().isEmpty());
    EXPECT_EQ(figuresIn(next.copy()), 1) << "the restored copy is this editor's own now";
    next.form.recovery().closing();
    EXPECT_TRUE(copiesIn(root, "*.fga").isEmpty());
}

TEST(Recovery, ADeclinedCopyIsOfferedOnceMoreThenRemovedAndAPictureComesBackToTheEditor)
{
    QTemporaryDir dir;
    const QString root = dir.filePath(u("Molvane"));
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(200, 30, 30));
    {
        // An editor that ends without its exit: its lock goes with it, its copies stay.
        Editor crashed(root, true);
        crashed.form.setCaptionFor(u("/home/someone/ベンゼン.fga"));
        crashed.drawLine({40, 40}, {200, 120});
        crashed.pictures->restorePicture(picture);
        crashed.backUp();
    }
    const auto start = [&](Answer drawingAnswer, Answer pictureAnswer) {
        Editor editor(root, true);
        editor.prompts.expectMessage(drawingQuestion(u("/home/someone/ベンゼン.fga")), MessageType::Confirmation,
                                     MessageButtons::YesNo, drawingAnswer);
        editor.prompts.expectMessage(u("前回，正常に終了しなかったときの画像エディタの画像が残っています。復元しますか。"),
                                     MessageType::Confirmation, MessageButtons::YesNo, pictureAnswer);
        editor.form.recovery().offerOrphans();
        if (pictureAnswer == Answer::Yes) {
            EXPECT_TRUE(editor.pictures->isModified());
            EXPECT_EQ(editor.pictures->picture().working().copy(0, 0, 40, 30).convertToFormat(QImage::Format_RGB32),
                      picture);
        }
        editor.form.recovery().closing();
    };
    start(Answer::No, Answer::No);
    EXPECT_EQ(copiesIn(root, "*.fga").size() + copiesIn(root, "*.bmp").size(), 2u) << "kept for one more start";
    start(Answer::No, Answer::Yes);
    EXPECT_TRUE(copiesIn(root, "*").isEmpty()) << "declined twice: gone; restored: taken, then a normal exit";
}

TEST(Recovery, AFullDiskKeepsThePreviousCopyAndTheWindowWorking)
{
    TinyFilesystem disk;
    SKIP_WITHOUT_TINY_FILESYSTEM(disk);
    Editor editor(disk.filePath(u("Molvane")));
    editor.drawLine({40, 40}, {200, 120});
    editor.backUp();
    QByteArray before, after;
    ASSERT_TRUE(readWholeFile(editor.copy(), before));

    ASSERT_TRUE(disk.fill());
    editor.drawLine({40, 80}, {200, 160});
    editor.backUp();
    editor.backUp(); // the failure is told at the next round
    ASSERT_TRUE(readWholeFile(editor.copy(), after));
    EXPECT_EQ(after, before);
    const auto* status = editor.form.findChild<QLabel*>(QStringLiteral("StatusPanel2"));
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->text().startsWith(u("復元用の控えを保存できません"))) << status->text().toStdString();
    editor.drawLine({40, 120}, {200, 200});
    EXPECT_EQ(editor.form.drawing().figures.size(), 3) << "the window goes on working";

    disk.makeRoom();
    editor.backUp();
    editor.backUp();
    EXPECT_EQ(figuresIn(editor.copy()), 3);
    editor.form.recovery().closing();
}
