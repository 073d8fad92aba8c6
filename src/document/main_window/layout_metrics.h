#pragma once
// Sizes shared by the main window's panels, and the right-aligned caption beside a control.

#include <QLabel>
#include <QString>

namespace molvane {

inline constexpr int kToolButtonSize = 30;
inline constexpr int kPanelLeft = 7;

inline QLabel* rightAlignedCaption(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace molvane
