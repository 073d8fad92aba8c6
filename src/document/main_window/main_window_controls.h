#pragma once
// The controls of the main window's operation panels, character area, status bar and menus, as the
// layout builds them. A described name that tells what the control is stays the member's name; the
// others are named by their meaning and keep the described name as their objectName (UpDown1, Edit1,
// Panel1, ...).

#include "dialogs/up_down.h"

#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>
#include <vector>

namespace molvane {

struct MainWindowControls {
    QWidget* pnOperation = nullptr;
    QWidget* toolPanel = nullptr;   // Panel1
    QWidget* reformPanel = nullptr; // Panel2
    QToolButton* sbPosFunc = nullptr;
    QToolButton* sbSettei = nullptr;
    QLabel* pnLastReform = nullptr;
    TUpDown* precisionUpDown = nullptr; // UpDown1
    TUpDown* zoomUpDown = nullptr;      // UpDown2
    TUpDown* shapeUpDown = nullptr;     // UpDown3
    TUpDown* widthUpDown = nullptr;     // UpDown4
    TUpDown* udWidth = nullptr;
    TUpDown* udHeight = nullptr;
    QLineEdit* precisionEdit = nullptr; // Edit1
    QLineEdit* zoomEdit = nullptr;      // Edit2
    QLineEdit* shapeEdit = nullptr;     // Edit3
    QLineEdit* widthEdit = nullptr;     // Edit4
    QLineEdit* edWidth = nullptr;
    QLineEdit* edHeight = nullptr;
    QToolButton* sbPlusMinus = nullptr;
    QButtonGroup* rgSize = nullptr;
    QButtonGroup* toolGroup = nullptr;
    QMap<int, QToolButton*> toolButtons; // by tag
    std::vector<QToolButton*> charButtons;
    QToolButton* sbStr = nullptr;
    QPlainTextEdit* edStr = nullptr;
    QLabel* statusPanel1 = nullptr;
    QLabel* statusPanel2 = nullptr;
    QMenu* popupMenu = nullptr; // PopupMenu1
    QMenu* editMenu = nullptr;
    QAction* popupUndo = nullptr;
    QAction* popupRedo = nullptr;
};

} // namespace molvane
