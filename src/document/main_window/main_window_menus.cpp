// The main window's menu bar and the canvas's popup menu.

#include "dialogs/help.h"
#include "document/main_window/main_window_builder.h"
#include "document/main_window/main_window_texts.h"
#include "document/main_window/tform1.h"
#include "platform/app_info.h"

#include <QCoreApplication>
#include <QDir>
#include <QMenuBar>
#include <QRegularExpression>
#include <string_view>

namespace molvane {

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

QString withoutAccelerator(QString caption)
{
    return caption.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
}

} // namespace

QAction* MainWindowBuilder::menuAction(QMenu* menu, const QString& name, const char* captionText,
                                       const QString& hint, const QKeySequence& shortcut)
{
    QAction* a = menu->addAction(u(captionText));
    a->setObjectName(name);
    a->setShortcut(shortcut);
    a->setStatusTip(hint);
    a->setToolTip(hint);
    return a;
}

void MainWindowBuilder::buildMenus()
{
    QMenu* file = w_.menuBar()->addMenu(u(texts::kMenuFile));
    file->setToolTipsVisible(true);
    // A menu item's hint is its caption (without the accelerator) and its description.
    const auto hinted = [](const char* c, const char* h) { return withoutAccelerator(u(c)) + u(h); };
    QAction* fileNew = menuAction(file, "mmFileNew", texts::kFileNew,
                                  hinted(texts::kFileNew, texts::kFileNewHint), QKeySequence("Ctrl+N"));
    QAction* fileOpen = menuAction(file, "mmFileOpen", texts::kFileOpen,
                                   hinted(texts::kFileOpen, texts::kFileOpenHint), QKeySequence("Ctrl+O"));
    file->addSeparator();
    QAction* fileSave = menuAction(file, "mmFileSave", texts::kFileSave,
                                   hinted(texts::kFileSave, texts::kFileSaveHint), QKeySequence("Ctrl+S"));
    QAction* fileSaveAs = menuAction(file, "mmFileSaveAs", texts::kFileSaveAs,
                                     hinted(texts::kFileSaveAs, texts::kFileSaveAsHint));
    file->addSeparator();
    QAction* picOpen = menuAction(file, "mmPicOpen", texts::kPicOpen,
                                  hinted(texts::kPicOpen, texts::kPicOpenHint), QKeySequence("Ctrl+P"));
    QAction* picSave = menuAction(file, "mmPicSaveAs", texts::kPicSaveAs,
                                  hinted(texts::kPicSaveAs, texts::kPicSaveAsHint), QKeySequence("Ctrl+G"));
    QAction* highRes = menuAction(file, "mmPicSaveHighRes", texts::kPicSaveHighRes,
                                  u("高解像度画像として保存") + u(texts::kPicSaveHighResHint));
    QObject::connect(highRes, &QAction::triggered, &w_, [w = &w_] { w->pictures().mmPicSaveHighResClick(); });
    QAction* vector = menuAction(file, "mmPicSaveVector", texts::kPicSaveVector,
                                 u("ベクター形式で保存") + u(texts::kPicSaveVectorHint));
    QObject::connect(vector, &QAction::triggered, &w_, [w = &w_] { w->pictures().mmPicSaveVectorClick(); });
    file->addSeparator();
    QAction* init = menuAction(file, "mmInitParam", texts::kInitParam,
                               u(texts::kInitParam) + u(texts::kInitParamHint), QKeySequence("Ctrl+W"));
    QObject::connect(init, &QAction::triggered, &w_, [w = &w_] { w->mmInitParamClick(); });
    QAction* change = menuAction(file, "mmChangeData", texts::kChangeData, {});
    change->setVisible(false); // a maintenance command, reached by its shortcut-less name only
    QObject::connect(change, &QAction::triggered, &w_, [w = &w_] { w->mmChangeDataClick(); });
    QObject::connect(fileNew, &QAction::triggered, &w_, [w = &w_] { w->mmFileNewClick(); });
    QObject::connect(fileOpen, &QAction::triggered, &w_, [w = &w_] { w->mmFileOpenClick(); });
    QObject::connect(fileSave, &QAction::triggered, &w_, [w = &w_] { w->mmFileSaveClick(); });
    QObject::connect(fileSaveAs, &QAction::triggered, &w_, [w = &w_] { w->mmFileSaveAsClick(); });
    file->addSeparator();
    const QString exitHint =
        hinted(texts::kExit, texts::kHintSeparator) + u(kApplicationName) + u(texts::kExitHintEnd);
    QAction* exit = menuAction(file, "mmExit1", texts::kExit, exitHint);
    QObject::connect(exit, &QAction::triggered, &w_, &QWidget::close);
    QObject::connect(picSave, &QAction::triggered, &w_, [w = &w_] { w->pictures_.mmPicSaveAsClick(); });
    QObject::connect(picOpen, &QAction::triggered, &w_, [w = &w_] { w->pictures_.mmPicOpenClick(); });

    buildPopupMenu();
    ui_.editMenu = w_.menuBar()->addMenu(u(texts::kMenuEdit));
    ui_.editMenu->setObjectName(QStringLiteral("mmEdit"));
    ui_.editMenu->setToolTipsVisible(true);
    QObject::connect(ui_.editMenu, &QMenu::aboutToShow, &w_, [w = &w_] {
        w->popupStates();
        w->pictures_.pasteState();
    });
    ui_.editMenu->addActions(ui_.popupMenu->actions());

    QAction* help = w_.menuBar()->addAction(u(texts::kMenuHelp));
    help->setObjectName(QStringLiteral("mmHelp"));
    QObject::connect(help, &QAction::triggered, &w_, [w = &w_] {
        const QString folder = QCoreApplication::applicationDirPath();
        switch (openHelp(folder)) {
        case HelpOpening::Opened: break;
        case HelpOpening::Missing:
            w->prompts_.message(u(texts::kHelpMissing), MessageType::Information, MessageButtons::Ok);
            break;
        case HelpOpening::NoViewer:
            w->prompts_.message(u(texts::kHelpNoViewer).arg(QDir::toNativeSeparators(helpTarget(folder))),
                                MessageType::Information, MessageButtons::Ok);
            break;
        }
    });
}

void MainWindowBuilder::buildPopupMenu()
{
    ui_.popupMenu = new QMenu(&w_);
    ui_.popupMenu->setObjectName(QStringLiteral("PopupMenu1"));
    ui_.popupMenu->setToolTipsVisible(true);
    QObject::connect(ui_.popupMenu, &QMenu::aboutToShow, &w_, [w = &w_] {
        w->popupStates();
        w->pictures_.pasteState();
        w->popupCommandRan_ = false;
    });
    // Qt keeps the click that closes a popup to itself, so that click never reaches the canvas. Once
    // the menu has closed without a command, the next press on the canvas is the user's own.
    QObject::connect(ui_.popupMenu, &QMenu::triggered, &w_, [w = &w_] { w->popupCommandRan_ = true; });
    QObject::connect(ui_.popupMenu, &QMenu::aboutToHide, &w_, [w = &w_] {
        // triggered comes after aboutToHide, in the same event.
        QTimer::singleShot(0, w, [w] {
            if (!w->popupCommandRan_)
                w->popupJustShown_ = false;
        });
    });
    ui_.popupUndo =
        menuAction(ui_.popupMenu, "pmUndo", texts::kUndo, u(texts::kUndo), QKeySequence("Ctrl+Z"));
    ui_.popupRedo =
        menuAction(ui_.popupMenu, "pmRedo", texts::kRedo, u(texts::kRedo), QKeySequence("Shift+Ctrl+Z"));
    QObject::connect(ui_.popupUndo, &QAction::triggered, &w_, [w = &w_] { w->undoClick(); });
    QObject::connect(ui_.popupRedo, &QAction::triggered, &w_, [w = &w_] { w->redoClick(); });
    ui_.popupMenu->addSeparator();
    struct Item {
        const char* name;
        const char* caption;
        const char* hint;
        const char* shortcut;
    };
    const Item later[] = {
        {"pmKobetu", texts::kSelectIndividual, texts::kSelectIndividualHint, "Ctrl+A"},
        {"SelectAll1", texts::kSelectAll, texts::kSelectAllHint, "Shift+Ctrl+A"},
        {"pmHaniRect", texts::kSelectRect, texts::kSelectRectHint, "Ctrl+D"},
        {"pmHaniFree", texts::kSelectFree, texts::kSelectFreeHint, "Shift+Ctrl+D"},
        {nullptr, nullptr, nullptr, nullptr},
        {"Cut1", texts::kCut, texts::kCut, "Ctrl+X"},
        {"Copy1", texts::kCopy, texts::kCopy, "Ctrl+C"},
        {"Paste1", texts::kPaste, texts::kPaste, "Ctrl+V"},
        {"Delete1", texts::kDelete, texts::kDelete, "Del"},
        {nullptr, nullptr, nullptr, nullptr},
        {"Cut1AsPic", texts::kCutPicture, texts::kCutPictureHint, "Shift+Ctrl+X"},
        {"Copy1AsPic", texts::kCopyPicture, texts::kCopyPictureHint, "Shift+Ctrl+C"},
        {"Paste1AsPic", texts::kPastePicture, texts::kPastePictureHint, "Shift+Ctrl+V"},
        {nullptr, nullptr, nullptr, nullptr},
        {"ConnectMain", texts::kConnect, texts::kConnectHint, ""},
        {"ConnectCancel", texts::kConnectCancel, texts::kConnectCancelHint, ""},
        {"Information1", texts::kFigureInfo, texts::kFigureInfoHint, "Ctrl+Q"},
    };
    for (const Item& item : later) {
        if (!item.name) {
            ui_.popupMenu->addSeparator();
            continue;
        }
        // These commands come with the selection, clipboard and tip tools.
        menuAction(ui_.popupMenu, item.name, item.caption, u(item.hint), QKeySequence(u(item.shortcut)))
            ->setEnabled(false);
    }
    const std::pair<const char*, void (TForm1::*)()> selectionCommands[] = {
        {"Cut1", &TForm1::Cut1Click},
        {"Copy1", &TForm1::Copy1Click},
        {"Paste1", &TForm1::Paste1Click},
        {"Delete1", &TForm1::Delete1Click},
        {"ConnectMain", &TForm1::connectClick},
        {"ConnectCancel", &TForm1::connectCancelClick},
        {"Information1", &TForm1::informationClick},
        {"pmKobetu", &TForm1::pmKobetuClick},
        {"SelectAll1", &TForm1::SelectAll1Click},
        {"pmHaniRect", &TForm1::pmHaniRectClick},
        {"pmHaniFree", &TForm1::pmHaniFreeClick},
    };
    for (const auto& [name, command] : selectionCommands) {
        QAction* a = ui_.popupMenu->findChild<QAction*>(QString::fromLatin1(name));
        const std::string_view n(name);
        a->setCheckable(n == "pmKobetu" || n == "pmHaniRect" || n == "pmHaniFree");
        QObject::connect(a, &QAction::triggered, &w_, [w = &w_, a, command = command] {
            // A shortcut of a disabled item does nothing: the states are those of the menu now.
            w->popupStates();
            if (a->isEnabled())
                (w->*command)();
        });
    }
    const std::pair<const char*, void (PictureCommands::*)()> pictureCommands[] = {
        {"Cut1AsPic", &PictureCommands::Cut1AsPicClick},
        {"Copy1AsPic", &PictureCommands::Copy1AsPicClick},
        {"Paste1AsPic", &PictureCommands::Paste1AsPicClick},
    };
    for (const auto& [name, command] : pictureCommands) {
        QAction* a = ui_.popupMenu->findChild<QAction*>(QString::fromLatin1(name));
        QObject::connect(a, &QAction::triggered, &w_, [w = &w_, a, command = command] {
            w->popupStates();
            if (a->isEnabled())
                (w->pictures_.*command)();
        });
    }
    for (QAction* a : ui_.popupMenu->actions())
        a->setShortcutVisibleInContextMenu(true);
    w_.addActions(ui_.popupMenu->actions()); // the shortcuts work while the menu is closed
}

} // namespace molvane
