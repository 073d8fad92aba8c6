#pragma once
// Drives the picture editor's canvas as a user would, under the offscreen platform: presses, moves and
// releases on its view, with the prompts scripted.

#include "picture_editor/tform_picture_editor.h"
#include "support/scripted_prompts.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace molvane::test {

class PictureEditorDriver : public ::testing::Test {
protected:
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QWidget* view = editor.controls().view;
        QMouseEvent e(type, QPointF(at), view->mapToGlobal(QPointF(at)), button, held, m);
        QApplication::sendEvent(view, &e);
    }
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, m);
        send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton, m);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, m);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, m);
    }
    void click(QPoint at) { drag(at, at); }
    // The working picture's pixel, its colour only.
    QRgb rgb(int x, int y) const { return editor.picture().working().pixel(x, y) & 0xFFFFFFu; }
    const FigureList& strokes() const { return editor.picture().strokes(); }
    static QString u(const char* text) { return QString::fromUtf8(text); }

    ScriptedPrompts prompts;
    TFormPictureEditor editor{prompts};
};

} // namespace molvane::test
