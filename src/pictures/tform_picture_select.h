#pragma once
// The window that takes a picture into the drawing (画像の取り込み).

#include <QDialog>

namespace molvane {

class TFormPictureSelect : public QDialog {
    Q_OBJECT
public:
    explicit TFormPictureSelect(QWidget* parent = nullptr);
};

} // namespace molvane
