// The real dialogs behind the prompts: the open dialog's name box, the folder browser's placement and
// Qt's own texts in Japanese. Each dialog is driven from inside its modal loop, as a user would.

#include "dialogs/file_dialogs.h"
#include "dialogs/qt_prompts.h"
#include "platform/qt_translations.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace molvane;

namespace {

// Runs act on the modal dialog once it is shown, then cancels it unless act closed it.
void whileShown(const std::function<void(QFileDialog&)>& act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

QLineEdit* nameBoxOf(QFileDialog& dialog)
{
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        if (edit->isVisible() && !edit->parentWidget()->inherits("QComboBox"))
            return edit;
    return nullptr;
}

// Waits until one of the dialog's lists shows an entry of this name; that entry.
QModelIndex entryNamed(QFileDialog& dialog, const QString& name, QAbstractItemView*& list)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        for (QAbstractItemView* view : dialog.findChildren<QAbstractItemView*>()) {
            if (!view->isVisible() || !view->model())
                continue;
            const QModelIndexList found = view->model()->match(view->model()->index(0, 0, view->rootIndex()),
                                                               Qt::DisplayRole, name, 1, Qt::MatchExactly);
            if (!found.isEmpty()) {
                list = view;
                return found.first();
            }
        }
        QTest::qWait(10);
    }
    return {};
}

} // namespace

TEST(QtPromptsFileDialog, EnteringAFolderEmptiesTheTypedNameOfAnOpenDialog)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    QtPrompts prompts;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.title = QStringLiteral("図形ファイルを開く");
    request.folder = dir.path();
    request.filter = QStringLiteral("ファイル (*.fga)|*.fga");
    request.mustExist = true;
    QString nameAfter = QStringLiteral("(not seen)");
    whileShown([&](QFileDialog& dialog) {
        QAbstractItemView* list = nullptr;
        const QModelIndex sub = entryNamed(dialog, QStringLiteral("sub"), list);
        ASSERT_TRUE(sub.isValid());
        QLineEdit* name = nameBoxOf(dialog);
        ASSERT_NE(name, nullptr);
        list->setCurrentIndex(sub);
        name->setText(QStringLiteral("typed.fga"));
        emit list->activated(sub); // a double-click or Enter on the folder
        ASSERT_EQ(QDir(dialog.directory()).dirName(), QStringLiteral("sub"));
        nameAfter = name->text();
    });
    EXPECT_FALSE(prompts.fileDialog(request).accepted);
    EXPECT_EQ(nameAfter, QString());
}

// The file type box is stepped with the arrow keys, as a user would; the dialog renames by itself too,
// and would give the filter of both kinds (3) the first kind's extension.
TEST(QtPromptsFileDialog, PickingAFilterOfAPictureSaveDialogPutsItsExtensionOnTheName)
{
    QTemporaryDir dir;
    QtPrompts prompts;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = QStringLiteral("画像ファイルとして名前を付けて保存");
    request.folder = dir.path();
    request.fileName = dir.filePath(QStringLiteral("b.bmp"));
    request.filter = QString::fromUtf8(kPictureFilter);
    request.filterIndex = 1;
    request.defaultExt = QStringLiteral("bmp");
    request.filterRenames = true;
    QStringList shown;
    whileShown([&](QFileDialog& dialog) {
        QComboBox* types = nullptr;
        for (QComboBox* box : dialog.findChildren<QComboBox*>())
            if (box->count() == 3)
                types = box;
        QLineEdit* name = nameBoxOf(dialog);
        ASSERT_NE(types, nullptr);
        ASSERT_NE(name, nullptr);
        shown << name->text();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up}) {
            QTest::keyClick(types, key);
            shown << QString::number(types->currentIndex() + 1) + ": " + name->text();
        }
        name->setText(QStringLiteral("c"));
        QTest::keyClick(types, Qt::Key_Down);
        shown << QString::number(types->currentIndex() + 1) + ": " + name->text();
    });
    EXPECT_FALSE(prompts.fileDialog(request).accepted);
    EXPECT_EQ(shown, (QStringList{"b.bmp", "2: b.jpg", "3: b.jpg", "2: b.jpg", "1: b.bmp", "2: c.jpg"}));
}

TEST(QtPromptsFolderBrowser, OpensCentredOnTheScreenAndComesBackWhereItWasLeft)
{
    QWidget owner;
    owner.setGeometry(10, 10, 200, 150);
    owner.show();
    QtPrompts prompts(&owner);
    QTemporaryDir dir;
    QRect shown;
    whileShown([&](QFileDialog& dialog) { shown = dialog.frameGeometry(); });
    EXPECT_FALSE(
        prompts.browseFolder(QStringLiteral("部分画像の保存フォルダを選択して下さい。"), dir.path()));
    const QRect screen = owner.screen()->geometry();
    EXPECT_NEAR(shown.center().x(), screen.center().x(), 2);
    EXPECT_NEAR(shown.center().y(), screen.center().y(), 2);

    whileShown([&](QFileDialog& dialog) {
        dialog.move(30, 40);
        QMetaObject::invokeMethod(&dialog, "accept", Qt::DirectConnection);
    });
    EXPECT_TRUE(prompts.browseFolder(QStringLiteral("部分画像の保存フォルダを選択して下さい。"), dir.path()));
    whileShown([&](QFileDialog& dialog) { shown = dialog.frameGeometry(); });
    prompts.browseFolder(QStringLiteral("部分画像の保存フォルダを選択して下さい。"), dir.path());
    EXPECT_EQ(shown.topLeft(), QPoint(30, 40)) << "where the last confirmed use left it";
}

TEST(QtTranslations, QtsOwnDialogsSpeakJapanese)
{
    ASSERT_TRUE(installQtTranslations(*QCoreApplication::instance())) << "qt6-translations-l10n is installed";
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Open);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
}
