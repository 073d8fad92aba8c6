#pragma once
// One cell of the picture editor's palette or of its pen styles: a small panel showing a colour (with
// its caption) or a line picture, with a single-line border while it is the selected one.

#include <QLabel>

namespace molvane {

class ColourCell : public QLabel {
    Q_OBJECT
public:
    ColourCell(int number, QSize size, QWidget* parent);
    int number() const { return number_; }
    void setColour(QColor fill, QColor caption);
    void setSelected(bool selected);

signals:
    void pressed(int number);

protected:
    void mousePressEvent(QMouseEvent*) override { emit pressed(number_); }

private:
    void restyle();
    int number_;
    QColor fill_ = Qt::white, caption_ = Qt::black;
    bool selected_ = false;
};

} // namespace molvane
