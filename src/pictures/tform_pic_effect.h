#pragma once
// The picture adjustment dialog (画像の調整).

#include <QDialog>

namespace molvane {

class TFormPicEffect : public QDialog {
    Q_OBJECT
public:
    explicit TFormPicEffect(QWidget* parent = nullptr);
};

} // namespace molvane
