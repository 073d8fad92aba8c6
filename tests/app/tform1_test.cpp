#include "app/application_windows.h"
#include "document/figure_file_io.h"
#include "document/main_window/tform1.h"

#include "support/scripted_prompts.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folders = dataFoldersIn(dir.filePath("Molvane"));
        form = std::make_unique<TForm1>(prompts, folders);
    }
    void TearDown() override
    {
        prompts.setIgnoreBeeps(true);
        form.reset();
    }

    template <typename T>
    T* control(const char* name)
    {
        T* found = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QPoint viewCentreInModel()
    {
        QScrollArea* box = form->scrollBox();
        const QPoint centre(box->horizontalScrollBar()->value() + box->viewport()->width() / 2,
                            box->verticalScrollBar()->value() + box->viewport()->height() / 2);
        return centre * 100 / form->zoom();
    }

    QTemporaryDir dir;
    DataFolders folders;
    ScriptedPrompts prompts;
    std::unique_ptr<TForm1> form;
};

} // namespace

// The main window shows first; the dialogs follow its first frame in their order, or come at once
// when a key is pressed before it.
TEST(ApplicationStart, TheNineWindowsAreCreatedInTheirOrderWithTheirCaptions)
{
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    ApplicationWindows windows(prompts, dataFoldersIn(dir.filePath("Molvane")));
    windows.start(QString());
    EXPECT_EQ(windows.creationOrder(), QStringList{"Form1"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return windows.started(); }, 5000));
    EXPECT_EQ(windows.creationOrder(),
              (QStringList{"Form1", "Form3", "FormPictureEditor", "FormPictureSelect", "FormShowMasu", "Form2", "FormMoji",
                           "FormPicEffect", "FormSelectWidth"}));
    EXPECT_EQ(windows.form1().windowTitle(), "Molvane");
    const QStringList captions{"環境設定", "画像エディタ", "画像の取り込み", "罫線の表示", "図形の線種変更", "文字入力", "画像の調整", "線の幅"};
    QStringList seen;
    for (const QString& name : windows.creationOrder().mid(1))
        seen.append(windows.form1().findChild<QWidget*>(name)->windowTitle());
    EXPECT_EQ(seen, captions);

    ApplicationWindows keyFirst(prompts, dataFoldersIn(dir.filePath("Molvane")));
    keyFirst.start(QString());
    QKeyEvent key(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&keyFirst.form1(), &key);
    EXPECT_EQ(keyFirst.creationOrder().size(), 9) << "before the key reached the window";
}

TEST(ApplicationStart, APartialFileNamedAtStartWaitsInTheMiddleOfTheView)
{
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    const DataFolders folders = dataFoldersIn(dir.filePath("Molvane"));
    ApplicationWindows windows(prompts, folders);
    TFigure bond;
    bond.kind = fkSingle;
    bond.ends[kMainStart] = bond.freeEnds[kMainStart] = {110, 60};
    bond.ends[kMainEnd] = bond.freeEnds[kMainEnd] = {150, 60};
    Drawing source;
    ASSERT_TRUE(writeFigureFile(source, QDir(folders.partFigures).filePath("ring.fgb"),
                                FigureFileMode::Partial, {bond}, {100, 50, 100, 40}, prompts));
    windows.start(QStringLiteral("ring"));
    windows.finishStart();
    TForm1& form = windows.form1();
    ASSERT_TRUE(form.pasteFrameShown());
    const QSize view = form.scrollBox()->viewport()->size();
    const QPoint middle(view.width() / 2, view.height() / 2);
    EXPECT_LE((form.pasteFrameRect().center() - middle).manhattanLength(), 8)
        << "not half clipped at the top-left corner";
    form.drawing().takeBaseline();
}

TEST_F(MainWindowTest, CreatesTheDataFolderAndItsFourSubFolders)
{
    for (const QString& path : {folders.root, folders.figures, folders.partFigures, folders.pictures, folders.partPictures})
        EXPECT_TRUE(QFileInfo(path).isDir()) << path.toStdString();
}

TEST_F(MainWindowTest, StartsWithTheSingleBondAtZoom100PrecisionFourAndTheReformPanelRed)
{
    EXPECT_EQ(form->windowTitle(), "Molvane");
    EXPECT_EQ(form->editMode(), EditMode::Single);
    EXPECT_TRUE(control<QToolButton>("sbFuncSingle")->isChecked());
    EXPECT_EQ(form->zoom(), 100);
    EXPECT_EQ(form->precision(), 4);
    EXPECT_EQ(control<QLineEdit>("Edit1")->text(), "4");
    EXPECT_EQ(control<QLineEdit>("Edit4")->text(), "3") << "the single bond's width";
    EXPECT_FALSE(control<TUpDown>("UpDown3")->isEnabled()) << "a single bond has no shape";
    EXPECT_EQ(form->canvasView()->size(), QSize(1500, 1000));
    EXPECT_EQ(control<QLabel>("pnLastReform")->palette().color(QPalette::Window), QColor(0xFF, 0xCF, 0xCF));
    EXPECT_EQ(form->findChild<QLabel*>("StatusPanel1")->text(), "X=0, Y=0, W=0, H=0, 単結合");
    for (const char* name : {"sbFuncMoji", "sbFuncDouble", "sbFuncTriple", "sbFuncCurve", "sbFuncAllow", "sbFuncStereo",
                             "sbFuncFree", "sbFuncPai", "sbFuncCircle", "sbFuncNuri", "sbKobetu", "sbBubun",
                             "sbFreeBubun", "sbChar1", "sbChar72", "sbStr", "edStr", "sbEditStr", "Panel1", "Panel2",
                             "ScrollBox1", "Image1", "UpDown2", "Edit2", "udWidth", "udHeight", "sbPosFunc", "rgSize"})
        EXPECT_NE(form->findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(control<QToolButton>("sbChar72")->text(), "Δ");
    EXPECT_TRUE(control<QToolButton>("sbChar3")->isChecked());
}

TEST_F(MainWindowTest, ZoomStepsFromAHundredTo125And95AndStopsAtItsLimits)
{
    TUpDown* zoom = control<TUpDown>("UpDown2");
    zoom->step(true);
    EXPECT_EQ(form->zoom(), 125);
    EXPECT_EQ(form->canvasView()->size(), QSize(1875, 1250));
    zoom->step(false);
    zoom->step(false);
    EXPECT_EQ(form->zoom(), 95);
    for (int i = 0; i < 30; ++i)
        zoom->step(false);
    EXPECT_EQ(form->zoom(), 25);
    EXPECT_EQ(control<QLineEdit>("Edit2")->text(), "25");
    for (int i = 0; i < 40; ++i)
        zoom->step(true);
    EXPECT_EQ(form->zoom(), 500);
    EXPECT_EQ(form->canvasView()->size(), QSize(7500, 5000));
}

TEST_F(MainWindowTest, ZoomingWhileScrolledToTheMiddleKeepsTheSameAreaInView)
{
    form->show();
    QApplication::processEvents();
    QScrollArea* box = form->scrollBox();
    box->horizontalScrollBar()->setValue(box->horizontalScrollBar()->maximum() / 2);
    box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum() / 2);
    const QPoint before = viewCentreInModel();
    control<TUpDown>("UpDown2")->step(true);
    const QPoint after = viewCentreInModel();
    EXPECT_NEAR(after.x(), before.x(), 3);
    EXPECT_NEAR(after.y(), before.y(), 3);
}

TEST_F(MainWindowTest, ChangingTheCanvasSizeKeepsTheScrollPositions)
{
    form->show();
    QApplication::processEvents();
    QScrollArea* box = form->scrollBox();
    box->horizontalScrollBar()->setValue(200);
    box->verticalScrollBar()->setValue(150);
    control<TUpDown>("udWidth")->step(true);
    control<TUpDown>("udHeight")->step(false);
    EXPECT_EQ(form->drawing().canvasSize(), QSize(1510, 990));
    EXPECT_EQ(form->canvasView()->size(), QSize(1510, 990));
    EXPECT_EQ(box->horizontalScrollBar()->value(), 200);
    EXPECT_EQ(box->verticalScrollBar()->value(), 150);
}

TEST_F(MainWindowTest, PointsSnapToSixPixelsAtZoom100AndTwelveAt200)
{
    for (int v : {0, 4, 10, 23, 61, 299})
        EXPECT_EQ(form->snap({v, v}).x() % 6, 0) << v;
    EXPECT_EQ(form->snap({10, 16}), QPoint(12, 18));
    control<TUpDown>("UpDown2")->step(true);
    for (int i = 0; i < 3; ++i)
        control<TUpDown>("UpDown2")->step(true);
    ASSERT_EQ(form->zoom(), 200);
    EXPECT_EQ(form->snap({10, 19}), QPoint(12, 24));
    for (int v : {5, 17, 40, 299})
        EXPECT_EQ(form->snap({v, v}).x() % 12, 0) << v;
}

TEST_F(MainWindowTest, ResettingTheDrawingConditionsAsksAndCancelChangesNothing)
{
    control<TUpDown>("UpDown1")->step(true);
    control<TUpDown>("UpDown2")->step(true);
    control<TUpDown>("UpDown4")->step(true);
    form->drawing().settings.showMasu = false;
    const QString question =
        "描画条件を初期化します。いいですか。\r\n\r\n※初期化される内容\r\n図形の変形，カーソル精度，表示倍率，罫線表示";
    prompts.expectBeep(BeepKind::Warning).expectMessage(question, MessageType::Confirmation, MessageButtons::YesCancel, Answer::Cancel);
    form->findChild<QAction*>("mmInitParam")->trigger();
    EXPECT_EQ(form->precision(), 5);
    EXPECT_EQ(form->zoom(), 125);
    EXPECT_EQ(control<TUpDown>("UpDown4")->value(), 4);
    EXPECT_FALSE(form->drawing().settings.showMasu);

    prompts.expectBeep(BeepKind::Warning).expectMessage(question, MessageType::Confirmation, MessageButtons::YesCancel, Answer::Yes);
    form->findChild<QAction*>("mmInitParam")->trigger();
    EXPECT_EQ(form->precision(), 4);
    EXPECT_EQ(form->zoom(), 100);
    EXPECT_EQ(control<TUpDown>("UpDown4")->value(), 3);
    EXPECT_TRUE(form->drawing().settings.showMasu);
    EXPECT_EQ(form->drawing().settings.masuHaba, 24);
    EXPECT_EQ(form->canvasFont().name, "ＭＳ Ｐゴシック");
    EXPECT_EQ(form->canvasFont().pointSize, 36);
}

TEST_F(MainWindowTest, ChoosingAToolLoadsItsOwnConditions)
{
    control<QToolButton>("sbFuncDouble")->click();
    EXPECT_EQ(form->editMode(), EditMode::Double);
    EXPECT_EQ(control<TUpDown>("UpDown3")->value(), 11);
    EXPECT_EQ(control<TUpDown>("UpDown3")->minimum(), -50);
    EXPECT_TRUE(control<QToolButton>("sbPlusMinus")->isEnabled());
    control<QToolButton>("sbFuncMoji")->click();
    EXPECT_EQ(control<TUpDown>("UpDown3")->value(), 36);
    EXPECT_EQ(control<TUpDown>("UpDown3")->maximum(), 100);
    EXPECT_FALSE(control<TUpDown>("UpDown4")->isEnabled());
    control<QToolButton>("sbFuncPai")->click();
    EXPECT_FALSE(control<QToolButton>("sbPlusMinus")->isEnabled());
    EXPECT_EQ(form->findChild<QLabel*>("StatusPanel1")->text(), "X=0, Y=0, W=0, H=0, p 軌道");
    // A fill on an empty drawing is refused: the previous tool stays.
    control<QToolButton>("sbFuncNuri")->click();
    EXPECT_EQ(form->editMode(), EditMode::Orbital);
    EXPECT_TRUE(control<QToolButton>("sbFuncPai")->isChecked());
}

TEST_F(MainWindowTest, HintsShowInTheSecondStatusPanelWhoseAlignmentAClickToggles)
{
    QStatusTipEvent tip(control<QToolButton>("sbFuncSingle")->statusTip());
    QApplication::sendEvent(form.get(), &tip);
    QLabel* panel = form->findChild<QLabel*>("StatusPanel2");
    EXPECT_TRUE(panel->text().startsWith("単結合 … キャンバス上で"));
    EXPECT_TRUE(panel->alignment() & Qt::AlignLeft);
    // Clicks come through the window, as the window system delivers them: on the panel and beside it.
    form->show();
    QWindow* window = form->windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint onPanel = panel->mapTo(form.get(), panel->rect().center());
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, onPanel);
    EXPECT_TRUE(panel->alignment() & Qt::AlignRight) << "one click, one toggle";
    QLabel* first = form->findChild<QLabel*>("StatusPanel1");
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier,
                      first->mapTo(form.get(), first->rect().center()));
    EXPECT_TRUE(panel->alignment() & Qt::AlignLeft);
    EXPECT_EQ(control<QToolButton>("sbFuncCircle")->toolTip().left(30), QString("円（点）・長円 … 形状変形=0,1のときは点になります。キャンバ").left(30));
}

TEST_F(MainWindowTest, ThePanelsSwapPlaces)
{
    QWidget* panel1 = control<QWidget>("Panel1");
    QWidget* panel2 = control<QWidget>("Panel2");
    EXPECT_EQ(panel1->x(), 7);
    EXPECT_GT(panel2->x(), panel1->x());
    control<QToolButton>("sbPosFunc")->click();
    EXPECT_EQ(panel2->x(), 7);
    EXPECT_GT(panel1->x(), panel2->x());
    EXPECT_EQ(control<QToolButton>("sbPosFunc")->text(), "→");
}

TEST_F(MainWindowTest, ClosingAModifiedDrawingAsksAndCancelKeepsItOpen)
{
    form->show();
    TFigure bond;
    bond.kind = fkSingle;
    bond.ends[kMainEnd] = {40, 40};
    form->drawing().figures.push_back(bond);
    form->drawing().pushHistory();
    prompts.expectBeep(BeepKind::Warning)
        .expectMessage("図形ファイルが変更されています。保存しますか。", MessageType::Confirmation, MessageButtons::YesNoCancel,
                       Answer::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    prompts.expectBeep(BeepKind::Warning)
        .expectMessage("図形ファイルが変更されています。保存しますか。", MessageType::Confirmation, MessageButtons::YesNoCancel,
                       Answer::No);
    EXPECT_TRUE(form->close());
}

TEST_F(MainWindowTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheWindowStillCloses)
{
    form->show();
    QFile::remove(form->folders().iniFile);
    ASSERT_TRUE(QDir().mkpath(form->folders().iniFile)) << "a folder where the file should go";
    prompts.expectMessage(form->folders().iniFile + QString::fromUtf8(" に書き込めません"),
                          MessageType::Error, MessageButtons::Ok, Answer::Ok);
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindowTest, TypingACanvasWidthIsNotRewrittenAndSettlesWhenEditingEnds)
{
    form->show();
    QLineEdit* width = control<QLineEdit>("edWidth");
    const auto canvasWidth = [&] { return form->drawing().bitmap().width(); };
    width->setFocus();
    width->selectAll();
    for (const char* typed : {"8", "80"}) {
        QTest::keyClicks(width, QString::fromLatin1(typed).right(1));
        EXPECT_EQ(width->text(), QString::fromLatin1(typed)) << "the box keeps what is typed";
        EXPECT_EQ(canvasWidth(), 1500) << "nothing out of range applies while typing";
    }
    QTest::keyClicks(width, QStringLiteral("0"));
    EXPECT_EQ(width->text(), QStringLiteral("800"));
    EXPECT_EQ(canvasWidth(), 800);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(width, Qt::Key_Backspace);
    EXPECT_EQ(width->text(), QString());
    EXPECT_EQ(canvasWidth(), 800) << "an empty box changes nothing";
    QTest::keyClick(width, Qt::Key_Return);
    EXPECT_EQ(width->text(), QStringLiteral("800"));
    QTest::keyClicks(width, QStringLiteral("0"));
    EXPECT_EQ(canvasWidth(), 800) << "8000 waits";
    QTest::keyClick(width, Qt::Key_Return);
    EXPECT_EQ(width->text(), QStringLiteral("2000"));
    EXPECT_EQ(canvasWidth(), 2000);
}
