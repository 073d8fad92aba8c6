#pragma once
// The main window: the drawing canvas, its tools and its commands.

#include <QMainWindow>

namespace molvane {

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};

} // namespace molvane
