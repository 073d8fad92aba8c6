#pragma once
// Sizes shared by the main window's panels, a control's hint, and the right-aligned caption beside a
// control.

#include <QLabel>
#include <QString>

namespace molvane {

inline constexpr int kToolButtonSize = 30;
inline constexpr int kPanelLeft = 7;

// A control's hint: its tool tip and the status bar's text while the pointer is over it.
inline void setHint(QWidget* w, const QString& hint)
{
    w->setToolTip(hint);
    w->setStatusTip(hint);
}

inline QLabel* rightAlignedCaption(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace molvane
