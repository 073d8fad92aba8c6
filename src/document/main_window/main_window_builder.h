#pragma once
// Builds the main window's controls, menus, canvas and status bar into the window and connects them to
// its handlers; the window keeps only what they do.

#include <QImage>
#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QToolButton;
class QWidget;

namespace molvane {

class TForm1;
struct MainWindowControls;

class MainWindowBuilder {
public:
    explicit MainWindowBuilder(TForm1& window);
    // Every control, laid out in the window.
    void build();

private:
    void buildMenus();
    void buildPopupMenu();
    QWidget* buildFileRow();
    QWidget* buildOperationPanels();
    QWidget* buildToolPanel();
    QWidget* buildReformPanel();
    QWidget* buildCharacterArea();
    void buildCanvas();
    void buildStatusBar();
    QToolButton* toolButton(const QString& name, const QString& hint, const QImage& icon,
                            const QString& caption = {});
    QAction* menuAction(QMenu* menu, const QString& name, const char* caption, const QString& hint,
                        const QKeySequence& shortcut = {});

    TForm1& w_;
    MainWindowControls& ui_;
};

} // namespace molvane
