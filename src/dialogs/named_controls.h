#pragma once
// Controls as the windows' builders make them: named by their described name, with their hint as tool
// tip and status tip, and the tool buttons of the picture windows.

#include <QString>
#include <QToolButton>

namespace molvane {

template <class W> W* named(W* w, const char* name, const char* hint = nullptr)
{
    w->setObjectName(QString::fromLatin1(name));
    if (hint) {
        w->setToolTip(QString::fromUtf8(hint));
        w->setStatusTip(QString::fromUtf8(hint));
    }
    return w;
}

inline QToolButton* namedToolButton(QWidget* parent, const char* name, const char* caption, const char* hint,
                                    bool checkable = false)
{
    auto* b = named(new QToolButton(parent), name, hint);
    b->setText(QString::fromUtf8(caption));
    b->setCheckable(checkable);
    b->setMinimumSize(44, 28);
    return b;
}

} // namespace molvane
