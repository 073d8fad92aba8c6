#include "document/main_window/tform1.h"
#include "document/main_window/main_window_builder.h"

#include "document/main_window/main_window_texts.h"
#include "document/window_placement.h"
#include "platform/app_info.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QVBoxLayout>

namespace molvane {

TForm1::TForm1(Prompts& prompts, const DataFolders& folders, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), folders_(folders)
{
    setObjectName(QStringLiteral("Form1"));
    setCaptionFor({});
    setAcceptDrops(true);

    MainWindowBuilder(*this).build();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect placed = mainWindowGeometry(screen->geometry(), screen->availableGeometry());
        setGeometry(placed);
        setFixedSize(placed.size());
    }

    drawing_.onHistoryChanged = [this] { popupStates(); };
    popupStates();
    mode_ = returnMode_ = EditMode::Single;
    ui_.toolButtons[fkSingle]->setChecked(true);
    lastToolButton_ = ui_.toolButtons[fkSingle];
    resetDrawingConditions(false);
    createDataFolders(folders_);
    files_.setPartPicFolder(folders_.partPictures);
    updateStatusPosition({0, 0});
    files_.loadSettingsFile();
    recovery_.setInterval(drawing_.settings.recoveryInterval);
    fileDialogs.setUp(folders_, files_.partPicFolder());
    // Every mouse event of the program first erases the cursor marks.
    qApp->installEventFilter(this);
}

TForm1::~TForm1() { qApp->removeEventFilter(this); }

void TForm1::setCaptionFor(const QString& fileName)
{
    files_.setFileName(fileName);
    const QString name = QString::fromLatin1(kApplicationName);
    setWindowTitle(fileName.isEmpty() ? name : name + QStringLiteral(" ～ ") + QFileInfo(fileName).fileName());
}

bool TForm1::event(QEvent* e)
{
    // The hint of whatever the pointer is over goes to the second status panel.
    if (e->type() == QEvent::StatusTip) {
        ui_.statusPanel2->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

bool TForm1::eventFilter(QObject* watched, QEvent* e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        releaseHeldKey(); // a key let go before the button was let go before it
        [[fallthrough]];
    case QEvent::MouseMove:
        if (watched != view_) {
            view_->eraseMarks();
            // Moving over the window outside the canvas forgets a popup just shown.
            if (e->type() == QEvent::MouseMove && (watched == this || watched == scrollBox_->viewport()))
                popupJustShown_ = false;
        }
        break;
    default: break;
    }
    if (e->type() == QEvent::ShortcutOverride) {
        // A shortcut acts only when its menu item would be enabled now.
        if (auto* w = qobject_cast<QWidget*>(watched); w && w->window() == this)
            popupStates();
    }
    if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
        if (keyForThisWindow(watched) && deliverKey(static_cast<QKeyEvent*>(e)))
            return true;
    }
    if (e->type() == QEvent::Wheel && (watched == view_ || watched == scrollBox_->viewport())) {
        auto* wheel = static_cast<QWheelEvent*>(e);
        const QPoint pointer = scrollBox_->viewport()->mapFromGlobal(wheel->globalPosition().toPoint());
        if (FormMouseWheel(pointer, wheel->angleDelta().y()))
            return true;
    }
    if (e->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(e);
        if (auto* tool = qobject_cast<QToolButton*>(watched); tool && ui_.toolButtons.key(tool, -1) >= 0)
            return toolButtonMouse(tool, mouse);
        for (std::size_t i = 0; i < ui_.charButtons.size(); ++i)
            if (watched == ui_.charButtons[i])
                return text_.charButtonMouse(int(i), mouse);
        // "線種": a right press opens the dialog at once for the right-click style; any other press
        // opens it from the click.
        if (watched == ui_.sbSettei) {
            style_.rightStyleFlag = mouse->button() == Qt::RightButton;
            if (style_.rightStyleFlag) {
                sbSetteiClick();
                return true;
            }
        }
        if (watched == ui_.sbStr && mouse->button() != Qt::RightButton)
            for (QToolButton* b : ui_.charButtons)
                b->setChecked(false);
        // Clicking "変形" arms or disarms the reform of the last figure, while there is one.
        if (watched == ui_.pnLastReform && mouse->button() == Qt::LeftButton && lastFigureExists_) {
            setLastReformPanel(true, !lastReformArmed_);
            return true;
        }
        // Typing into the short-text memo chooses the short text.
        if (watched == ui_.edStr->viewport() && !ui_.sbStr->isChecked())
            text_.sbStrClick();
    }
    // The panels let the pointer through, so a click anywhere on the bar arrives here once.
    if (watched == statusBar() && e->type() == QEvent::MouseButtonPress) {
        const bool left = ui_.statusPanel2->alignment() & Qt::AlignLeft;
        ui_.statusPanel2->setAlignment((left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    return QMainWindow::eventFilter(watched, e);
}

bool TForm1::keyForThisWindow(QObject* watched) const
{
    // A key reaches the window once, through the control that has the focus; text boxes keep their
    // keys, as do the dialogs.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    QWidget* focus = QApplication::focusWidget();
    if (focus ? widget != focus : widget != this)
        return false;
    return !qobject_cast<QLineEdit*>(widget) && !qobject_cast<QPlainTextEdit*>(widget) &&
           !(widget->parentWidget() && qobject_cast<QPlainTextEdit*>(widget->parentWidget()));
}

void TForm1::closeEvent(QCloseEvent* e)
{
    if (!files_.askToSaveModified()) {
        e->ignore();
        return;
    }
    // A settings file that cannot be written is reported, but never keeps the program from closing.
    files_.saveSettingsFile();
    recovery_.closing();
    e->accept();
}

} // namespace molvane
