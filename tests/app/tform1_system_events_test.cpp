// The main window fed the event sequences a real X server delivers: a held key arrives as release +
// press pairs, clicks arrive through the window rather than at a chosen widget, a popup menu eats the
// click that closes it.

#include "document/geometry.h"
#include "main_window_driver.h"

#include <QKeyEvent>
#include <QMenu>
#include <QTest>

using namespace molvane;
using namespace molvane::test;

namespace {

class SystemEventsTest : public MainWindowDriver {
protected:
    void key(QEvent::Type type, int k, Qt::KeyboardModifiers m, bool qtSaysRepeat, quint64 time)
    {
        QKeyEvent e(type, k, m, QString(), qtSaysRepeat);
        e.setTimestamp(time);
        QApplication::sendEvent(form.get(), &e);
    }
    // A key held for `ticks` ticks of the key-move timer, as the server repeats it: a release and a
    // press with one timestamp every 40 ms, only some of which Qt marks as auto-repeated. From tick
    // ctrlFrom on, Ctrl is held too. The real release waits for the next event; the wait's end lets
    // it through.
    void holdKey(int k, int ticks, int ctrlFrom = -1, bool letGo = true)
    {
        quint64 time = 1000;
        key(QEvent::KeyPress, k, Qt::NoModifier, false, time);
        Qt::KeyboardModifiers m = Qt::NoModifier;
        for (int i = 0; i < ticks; ++i) {
            if (i == ctrlFrom) {
                m = Qt::ControlModifier;
                key(QEvent::KeyPress, Qt::Key_Control, m, false, time + 5);
            }
            form->tmKeyMoveTimer();
            for (int pair = 0; pair < 2; ++pair) {
                time += 40;
                const bool marked = (i + pair) % 3 == 0;
                key(QEvent::KeyRelease, k, m, marked, time);
                key(QEvent::KeyPress, k, m, marked, time);
            }
        }
        if (!letGo)
            return;
        key(QEvent::KeyRelease, k, m, false, time + 30);
        form->releaseHeldKey();
    }
    void bondAndRange()
    {
        button("sbFuncSingle")->click();
        drag({60, 60}, {120, 60});
        button("sbBubun")->click();
        drag({30, 30}, {150, 90});
        ASSERT_EQ(form->editMode(), EditMode::RangeSelected);
    }
    int undoStates() const { return form->drawing().history().newest(); }
};

} // namespace

TEST_F(SystemEventsTest, AHeldArrowKeyMovesOneStepATickAndLeavesOneUndoState)
{
    bondAndRange();
    const int before = undoStates();
    holdKey(Qt::Key_Right, 20);
    EXPECT_FALSE(form->keyMoveRunning());
    ASSERT_EQ(figures().size(), 1u);
    EXPECT_EQ(figures()[0].ends[kMainStart], QPoint(80, 60)) << "twenty ticks, one pixel each";
    EXPECT_EQ(undoStates(), before + 1);
    form->findChild<QAction*>("pmUndo")->trigger();
    EXPECT_EQ(figures()[0].ends[kMainStart], QPoint(60, 60))
        << "one undo reaches the drawing before the hold";
}

TEST_F(SystemEventsTest, CtrlPressedDuringAHoldAndHeldAtTheRealReleaseDuplicatesOnce)
{
    bondAndRange();
    holdKey(Qt::Key_Down, 15, 8);
    EXPECT_TRUE(form->keyMoveRunning()) << "Ctrl is still down";
    EXPECT_EQ(figures().size(), 1u);
    key(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier, false, 5000);
    form->releaseHeldKey();
    ASSERT_EQ(figures().size(), 2u);
    EXPECT_EQ(figures()[0].ends[kMainStart], QPoint(60, 60)) << "the original stays where it was";
    EXPECT_EQ(figures()[1].ends[kMainStart], QPoint(60, 75));
}

TEST_F(SystemEventsTest, AHeldKeyStepsThePasteFrameUntilItIsReallyLetGo)
{
    form->show(); // the frame waits in the middle of a view of real size
    bondAndRange();
    form->Copy1Click();
    form->Paste1Click();
    ASSERT_TRUE(form->pasteFrameShown());
    const QPoint start = form->pasteFrameRect().topLeft();
    holdKey(Qt::Key_Right, 12, -1, false);
    EXPECT_TRUE(form->pasteFrameShown()) << "repeats are not releases";
    EXPECT_EQ(figures().size(), 1u);
    const QPoint end = form->pasteFrameRect().topLeft();
    EXPECT_EQ(end, start + QPoint(12, 0)) << "one pixel a tick";
    key(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, false, 9000);
    form->releaseHeldKey();
    EXPECT_FALSE(form->pasteFrameShown());
    ASSERT_EQ(figures().size(), 2u);
    EXPECT_EQ(figures()[1].ends[kMainStart], end + QPoint(30, 30)) << "placed where the frame was let go";
}

TEST_F(SystemEventsTest, AfterTheClickThatClosesThePopupMenuTheNextClickDraws)
{
    button("sbFuncCircle")->click();
    press({200, 200}, Qt::RightButton);
    QMenu* menu = form->popupMenu();
    ASSERT_TRUE(menu->isVisible());
    // The click beside the menu goes to the menu, which closes and keeps the click.
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, QPoint(menu->width() + 40, menu->height() + 40));
    QTest::qWait(1);
    ASSERT_FALSE(menu->isVisible());
    click({200, 200});
    EXPECT_EQ(figures().size(), 1u) << "the first click after the menu has gone draws";
}
