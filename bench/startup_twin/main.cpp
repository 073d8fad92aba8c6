// The least any Japanese Qt window costs to start: a main window with a Japanese menu, a label and a
// status bar, in the same fonts as the editor. bench/startup.sh starts it beside the editor.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Molvane twin"));
    window.menuBar()->addMenu(QStringLiteral("ファイル(&F)"))->addAction(QStringLiteral("開く(&O)..."));
    window.setCentralWidget(new QLabel(QStringLiteral("化学構造式エディタ"), &window));
    window.statusBar()->showMessage(QStringLiteral("準備ができました。"));
    window.resize(1600, 1000);
    window.show();
    return QApplication::exec();
}
