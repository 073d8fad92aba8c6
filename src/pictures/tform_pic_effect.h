#pragma once
// The picture adjustment dialog (画像の調整): brightness and the red, green and blue levels of the
// picture being imported, each bar recomputing it from the picture as it was when the dialog opened.
// Cancel gives that picture back bit for bit.

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>

class QLabel;
class QScrollBar;

namespace molvane {

class TFormPicEffect : public QDialog {
    Q_OBJECT
public:
    explicit TFormPicEffect(QWidget* parent = nullptr);

    // The picture the bars work on, and what shows it again after every change.
    void setPicture(QImage* picture, std::function<void()> changed);

    // The bars' values, -100 .. 100: brightness, red, green, blue.
    void setBar(int index, int value);
    void btInitClick();

protected:
    void showEvent(QShowEvent* e) override;
    void done(int result) override;

private:
    void recompute();
    void centreBars();

    QImage* picture_ = nullptr;
    std::function<void()> changed_;
    QImage backup_;
    std::array<QScrollBar*, 4> bars_{};
    std::array<QLabel*, 4> labels_{};
};

} // namespace molvane
