#pragma once
// Drives the main window under the offscreen platform: mouse events on the canvas view and the tool
// buttons, with the settings and data folders in a temporary folder.

#include "document/figure_commit.h"
#include "document/main_window/tform1.h"
#include "platform/data_folder.h"
#include "support/scripted_prompts.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace molvane::test {

class MainWindowDriver : public ::testing::Test {
protected:
    void SetUp() override
    {
        folders = dataFoldersIn(dir.filePath("Molvane"));
        form = std::make_unique<TForm1>(prompts, folders);
        view = form->canvasView();
    }
    void TearDown() override
    {
        prompts.setIgnoreBeeps(true);
        form->drawing().takeBaseline();
        form.reset();
    }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QMouseEvent e(type, QPointF(at), view->mapToGlobal(QPointF(at)), button, held, modifiers);
        QApplication::sendEvent(view, &e);
    }
    void press(QPoint at, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        send(QEvent::MouseButtonPress, at, b, b, m);
    }
    void move(QPoint at, Qt::MouseButtons held = Qt::LeftButton, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        send(QEvent::MouseMove, at, Qt::NoButton, held, m);
    }
    void release(QPoint at, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, m);
    }
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        press(from, Qt::LeftButton, m);
        move((from + to) / 2, Qt::LeftButton, m);
        move(to, Qt::LeftButton, m);
        release(to, m);
    }
    void click(QPoint at, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        press(at, Qt::LeftButton, m);
        release(at, m);
    }
    QToolButton* button(const char* name) { return form->findChild<QToolButton*>(QString::fromLatin1(name)); }
    void rightPress(QToolButton* b)
    {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(b, &e);
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)), Qt::RightButton,
                       Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(b, &up);
    }
    void leftClick(QToolButton* b)
    {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(b, &e);
        }
    }
    FigureList& figures() { return form->drawing().figures; }
    // Appends a figure as drawing it would (its extent recorded) with one undo state; its index.
    int commit(TFigure f)
    {
        Drawing& d = form->drawing();
        const int at = commitFinishedFigure(d.figures, d.bitmap(), f, d.lastRecorded, d.renderSettings());
        d.pushHistory();
        return at;
    }

    QTemporaryDir dir;
    DataFolders folders;
    ScriptedPrompts prompts;
    std::unique_ptr<TForm1> form;
    CanvasView* view = nullptr;
};

} // namespace molvane::test
