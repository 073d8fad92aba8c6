#pragma once
// The text input dialog (文字入力).

#include <QDialog>

namespace molvane {

class TFormMoji : public QDialog {
    Q_OBJECT
public:
    explicit TFormMoji(QWidget* parent = nullptr);
};

} // namespace molvane
