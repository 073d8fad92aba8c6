#pragma once
// The dialog that changes the line style of the selected figures (図形の線種変更).

#include <QDialog>

namespace molvane {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

} // namespace molvane
