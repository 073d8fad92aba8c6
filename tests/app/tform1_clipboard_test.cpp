// Copy, cut, paste and delete through the main window, and the paste frame that places the figures.

#include "document/figure_commit.h"
#include "document/geometry.h"
#include "document/main_window/tform1.h"
#include "main_window_driver.h"
#include "support/figure_builders.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

using namespace molvane;
using namespace molvane::test;

namespace {

const QPoint kRing[6] = {{240, 216}, {282, 240}, {282, 288}, {240, 312}, {198, 288}, {198, 240}};

class ClipboardTest : public MainWindowDriver {
protected:
    void ringWithFill()
    {
        button("sbFuncSingle")->click();
        for (int i = 0; i < 6; ++i)
            drag(kRing[i], kRing[(i + 1) % 6]);
        button("sbFuncNuri")->click();
        click({240, 264});
        ASSERT_EQ(figures().size(), 7u);
    }
    void pickIndividually(std::initializer_list<int> indices)
    {
        button("sbKobetu")->click();
        for (int i : indices)
            click(figures()[std::size_t(i)].handle);
    }
    // Grabs the frame in its middle and drops it moved by delta.
    void dropFrame(QPoint delta)
    {
        ASSERT_TRUE(form->pasteFrameShown());
        const QPoint grab = form->pasteFrameRect().center();
        drag(grab, grab + delta);
        ASSERT_FALSE(form->pasteFrameShown());
    }
    int count(int kind) const
    {
        return int(std::count_if(form->drawing().figures.begin(), form->drawing().figures.end(),
                                 [kind](const TFigure& f) { return f.kind == kind; }));
    }
};

TEST_F(ClipboardTest, APastedCopyKeepsItsPlaceAgainstTheGridWhereverItIsDropped)
{
    form->findChild<TUpDown*>("UpDown1")->setValue(3); // grid 24 / 3: steps of 8
    const int source = commit(bond({103, 59}, {150, 59}, 3));
    ASSERT_EQ(figures()[source].occupiedRect().topLeft(), QPoint(101, 57));
    figures()[source].selected = true;
    form->Copy1Click();
    for (QPoint delta : {QPoint(37, 91), QPoint(150, 13)}) {
        form->Paste1Click();
        EXPECT_EQ(form->editMode(), EditMode::PastePlacing);
        dropFrame(delta);
        const QRect placed = figures().back().occupiedRect();
        EXPECT_EQ((placed.left() + 3) % 8, 0) << placed.left();
        EXPECT_EQ((placed.top() - 1) % 8, 0) << placed.top();
        EXPECT_EQ(figures().back().ends[kMainStart] - placed.topLeft(), QPoint(2, 2)) << "the shape is kept";
    }
    EXPECT_EQ(figures().size(), 3u);
    EXPECT_EQ(form->editMode(), EditMode::Single);
}

TEST_F(ClipboardTest, TheClipboardOutlivesNewAndPastedFiguresHaveNoTipConnections)
{
    TFigure connected = bond({60, 60}, {120, 60});
    connected.ends[kMainEnd] = {126, 60}; // pulled onto a glyph
    figures()[commit(connected)].selected = true;
    form->Copy1Click();
    prompts.expectMessage(QString::fromUtf8("図形ファイルが変更されています。保存しますか。"), MessageType::Confirmation,
                          MessageButtons::YesNoCancel, Answer::No);
    prompts.setIgnoreBeeps(true);
    form->mmFileNewClick();
    ASSERT_TRUE(figures().empty());
    form->Paste1Click();
    dropFrame({30, 30});
    ASSERT_EQ(figures().size(), 1u);
    EXPECT_EQ(figures()[0].ends, figures()[0].freeEnds);
    EXPECT_FALSE(figures()[0].selected);
}

TEST_F(ClipboardTest, ARingCopiedWholeTakesItsFillAndOneBondDoesNot)
{
    ringWithFill();
    pickIndividually({0, 1, 2, 3, 4, 5});
    form->Copy1Click();
    form->Paste1Click();
    dropFrame({200, 0});
    EXPECT_EQ(count(fkNuri), 2);
    EXPECT_EQ(figures().size(), 14u);
    const TFigure& pastedFill = figures().back();
    ASSERT_EQ(pastedFill.kind, fkNuri);
    EXPECT_NE(pastedFill.ends[kMainStart], figures()[6].ends[kMainStart]);
    ASSERT_FALSE(pastedFill.points.empty());
    for (QPoint p : pastedFill.points)
        EXPECT_GE(p.x(), 7) << "the copy names the pasted ring, not the source";
    EXPECT_NE(form->drawing().bitmap().pixel(pastedFill.ends[kMainStart]), qRgb(255, 255, 255)) << "and fills it";

    pickIndividually({0});
    form->Copy1Click();
    form->Paste1Click();
    dropFrame({0, 200});
    EXPECT_EQ(count(fkNuri), 2);
    EXPECT_EQ(figures().size(), 15u);
}

TEST_F(ClipboardTest, DeleteTakesTheSelectedFiguresAndTheFillsAroundThemInOneUndoState)
{
    ringWithFill();
    button("sbFuncSingle")->click();
    drag({400, 60}, {460, 60});
    pickIndividually({2});
    const int before = form->drawing().history().newest();
    form->Delete1Click();
    EXPECT_EQ(figures().size(), 6u);
    EXPECT_EQ(count(fkNuri), 0);
    EXPECT_EQ(form->drawing().history().newest(), before + 1);
    EXPECT_EQ(form->drawing().bitmap().pixel(240, 264), qRgb(255, 255, 255));
    form->drawing().undo(prompts);
    EXPECT_EQ(figures().size(), 8u);
}

TEST_F(ClipboardTest, UndoTakesBackAWaitingPasteAndAPressBesideTheFrameIsRefused)
{
    figures()[commit(bond({60, 60}, {120, 60}))].selected = true;
    form->Copy1Click();
    form->Paste1Click();
    const QRect frame = form->pasteFrameRect();
    prompts.expectBeep(BeepKind::Asterisk);
    prompts.expectMessage(QString::fromUtf8("枠をドラッグして，描画位置を決めて下さい。"), MessageType::Warning,
                          MessageButtons::Ok, Answer::Ok);
    click(frame.bottomRight() + QPoint(20, 20));
    EXPECT_TRUE(form->pasteFrameShown());
    QAction* undo = nullptr;
    for (QAction* a : form->popupMenu()->actions())
        if (a->text() == QString::fromUtf8("元に戻す"))
            undo = a;
    ASSERT_NE(undo, nullptr);
    undo->trigger();
    EXPECT_FALSE(form->pasteFrameShown());
    EXPECT_EQ(figures().size(), 1u);
}

TEST_F(ClipboardTest, KeysStepTheFrameAndTheLastReleasePlacesIt)
{
    figures()[commit(bond({60, 60}, {120, 60}))].selected = true;
    form->Copy1Click();
    form->Paste1Click();
    const QPoint before = form->pasteFrameRect().topLeft();
    form->FormKeyDown(Qt::Key_Right, Qt::NoModifier);
    for (int i = 0; i < 5; ++i)
        form->tmKeyMoveTimer();
    form->FormKeyUp(Qt::Key_Right, Qt::NoModifier);
    ASSERT_FALSE(form->pasteFrameShown());
    ASSERT_EQ(figures().size(), 2u);
    EXPECT_EQ(figures()[1].occupiedRect().topLeft() - figures()[0].occupiedRect().topLeft(),
              before + QPoint(5, 0) - figures()[0].occupiedRect().topLeft())
        << "five one-pixel steps from where the frame stood";
}

TEST_F(ClipboardTest, AShortcutFindsItsItemEnabledAsTheMenuWouldShowIt)
{
    figures()[commit(bond({60, 60}, {120, 60}))].selected = true;
    QAction* copy = form->popupMenu()->findChild<QAction*>("Copy1");
    ASSERT_FALSE(copy->isEnabled()) << "nothing has refreshed the states since the selection";
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(form->canvasView(), &override);
    EXPECT_TRUE(copy->isEnabled());
}

TEST_F(ClipboardTest, TheEditMenuShowsThePopupItemsWithTheirShortcutsAndStates)
{
    figures()[commit(bond({60, 60}, {120, 60}))].selected = true;
    QMenu* edit = form->menuBar()->findChild<QMenu*>("mmEdit");
    ASSERT_NE(edit, nullptr);
    emit edit->aboutToShow();
    QAction* copy = nullptr;
    for (QAction* a : edit->actions())
        if (a->text() == QString::fromUtf8("コピー"))
            copy = a;
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    EXPECT_TRUE(copy->isEnabled());
    for (QAction* a : edit->actions()) {
        const auto popup = form->popupMenu()->actions();
        const auto same = std::find_if(popup.begin(), popup.end(), [a](QAction* p) { return p->text() == a->text(); });
        ASSERT_NE(same, popup.end()) << a->text().toStdString();
        EXPECT_EQ((*same)->isEnabled(), a->isEnabled()) << a->text().toStdString();
    }
    figures()[0].selected = false;
    emit edit->aboutToShow();
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_FALSE(form->popupMenu()->findChild<QAction*>("Paste1")->isEnabled()) << "nothing copied yet";
}

} // namespace
