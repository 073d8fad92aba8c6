#include "picture_editor/colour_cell.h"

namespace molvane {

ColourCell::ColourCell(int number, QSize size, QWidget* parent) : QLabel(parent), number_(number)
{
    setFixedSize(size);
    setAlignment(Qt::AlignCenter);
    restyle();
}

void ColourCell::setColour(QColor fill, QColor caption)
{
    fill_ = fill;
    caption_ = caption;
    restyle();
}

void ColourCell::setSelected(bool selected)
{
    selected_ = selected;
    restyle();
}

void ColourCell::restyle()
{
    // A picture cell shows its picture on the window's own colour.
    const QString background =
        pixmap().isNull() ? QStringLiteral("background: %1;").arg(fill_.name()) : QString();
    const QString sheet = QStringLiteral("QLabel { %1 color: %2; border: %3; }")
                              .arg(background, caption_.name(),
                                   selected_ ? QStringLiteral("1px solid black") : QStringLiteral("none"));
    // A new style sheet polishes the cell again, which costs far more than comparing the text: the
    // palette is shown again after every change of the picture, mostly with the same colours.
    if (sheet != styleSheet())
        setStyleSheet(sheet);
    setContentsMargins(selected_ ? 1 : 3, selected_ ? 1 : 3, 0, 0); // nothing happens when unchanged
}

} // namespace molvane
