#pragma once
// The line width dialog (線の幅).

#include <QDialog>

namespace molvane {

class TFormSelectWidth : public QDialog {
    Q_OBJECT
public:
    explicit TFormSelectWidth(QWidget* parent = nullptr);
};

} // namespace molvane
