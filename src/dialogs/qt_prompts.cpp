#include "dialogs/qt_prompts.h"

#include "dialogs/file_dialogs.h"
#include "platform/picture_file.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <memory>

namespace molvane {

namespace {

QMessageBox::Icon iconOf(MessageType type)
{
    switch (type) {
    case MessageType::Warning: return QMessageBox::Warning;
    case MessageType::Error: return QMessageBox::Critical;
    case MessageType::Information: return QMessageBox::Information;
    case MessageType::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSpec {
    QMessageBox::StandardButton button;
    const char* caption;
    Answer answer;
};

QList<ButtonSpec> buttonsOf(MessageButtons buttons)
{
    const ButtonSpec ok{QMessageBox::Ok, "OK", Answer::Ok};
    const ButtonSpec yes{QMessageBox::Yes, "はい(&Y)", Answer::Yes};
    const ButtonSpec no{QMessageBox::No, "いいえ(&N)", Answer::No};
    const ButtonSpec cancel{QMessageBox::Cancel, "キャンセル", Answer::Cancel};
    switch (buttons) {
    case MessageButtons::Ok: return {ok};
    case MessageButtons::OkCancel: return {ok, cancel};
    case MessageButtons::YesNo: return {yes, no};
    case MessageButtons::YesCancel: return {yes, cancel};
    case MessageButtons::YesNoCancel: return {yes, no, cancel};
    }
    return {ok};
}

// Places the dialog once, when it is first shown, on the main window's monitor (centred across, a third
// down), and notes a double-click in its file list.
class FileDialogWatcher : public QObject {
public:
    FileDialogWatcher(QFileDialog& dialog, QWidget* owner) : dialog_(dialog), owner_(owner)
    {
        dialog.installEventFilter(this);
        for (QAbstractItemView* view : dialog.findChildren<QAbstractItemView*>())
            view->viewport()->installEventFilter(this);
    }
    bool doubleClicked() const { return doubleClicked_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched == &dialog_ && e->type() == QEvent::Show && !placed_) {
            placed_ = true;
            const QScreen* screen = owner_ ? owner_->screen() : QGuiApplication::primaryScreen();
            if (screen) {
                const QRect monitor = screen->geometry();
                const QSize size = dialog_.size();
                dialog_.move(monitor.left() + (monitor.width() - size.width()) / 2,
                             monitor.top() + (monitor.height() - size.height()) / 3);
            }
        } else if (e->type() == QEvent::MouseButtonDblClick && watched != &dialog_) {
            doubleClicked_ = true;
        }
        return false;
    }

private:
    QFileDialog& dialog_;
    QPointer<QWidget> owner_;
    bool placed_ = false;
    bool doubleClicked_ = false;
};

// The dialog's file name box: its one line edit that is not the editor of a combo box (the folder
// box). QFileDialog::selectFile() ignores an empty name, so the box is emptied directly.
QLineEdit* nameBox(QFileDialog& dialog)
{
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(edit->parentWidget()))
            return edit;
    return nullptr;
}

// The file type box: the combo box that lists the name filters.
QComboBox* typeBox(QFileDialog& dialog, const QStringList& filters)
{
    for (QComboBox* box : dialog.findChildren<QComboBox*>()) {
        bool listsFilters = box->count() == filters.size();
        for (int i = 0; listsFilters && i < box->count(); ++i)
            listsFilters = box->itemText(i) == filters[i];
        if (listsFilters)
            return box;
    }
    return nullptr;
}

// Picking a filter puts its extension on the name in the name box (nameForPictureFilter). The dialog
// changes the extension by itself as the filter is picked, and would give the filter of both kinds the
// first kind's: the rule applies to the name shown before the pick, which the type box's change of
// index (before the pick is handled) keeps.
void renameOnFilterChange(QFileDialog& dialog, const QStringList& filters)
{
    QComboBox* types = typeBox(dialog, filters);
    QLineEdit* name = nameBox(dialog);
    if (!types || !name)
        return;
    const auto before = std::make_shared<QString>(name->text());
    QObject::connect(types, &QComboBox::currentIndexChanged, &dialog,
                     [before, name] { *before = name->text(); });
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, before, name, filters](const QString& filter) {
            const QString shown =
                nameForPictureFilter(*before, int(filters.indexOf(filter)) + 1).value_or(*before);
            if (shown.isEmpty())
                return;
            dialog.selectFile(shown);
            // selectFile leaves a name box that has the focus as it is.
            if (name->text() != shown)
                name->setText(shown);
        });
}

// Where the folder browser stood when the user last chose a folder with it; centred on the screen the
// first time.
QRect& folderBrowserPlace()
{
    static QRect place;
    return place;
}

// A preview is decoded while the cursor moves through the list: only files this small get one.
constexpr qint64 kMaxPreviewFileBytes = qint64(64) << 20;

// The picture under the cursor in the list, with its size, beside the list.
void addPicturePreview(QFileDialog& dialog)
{
    auto* layout = qobject_cast<QGridLayout*>(dialog.layout());
    if (!layout)
        return;
    auto* box = new QWidget(&dialog);
    auto* column = new QVBoxLayout(box);
    auto* picture = new QLabel(box);
    picture->setFixedSize(160, 160);
    picture->setAlignment(Qt::AlignCenter);
    picture->setFrameShape(QFrame::StyledPanel);
    auto* size = new QLabel(box);
    size->setAlignment(Qt::AlignCenter);
    column->addWidget(picture);
    column->addWidget(size);
    column->addStretch(1);
    layout->addWidget(box, 0, layout->columnCount(), layout->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, box, [picture, size](const QString& path) {
        const DecodedImage decoded = loadPictureFile(path, kMaxPreviewFileBytes);
        if (!decoded.ok()) {
            picture->clear();
            size->clear();
            return;
        }
        picture->setPixmap(QPixmap::fromImage(decoded.image.scaled(picture->size(), Qt::KeepAspectRatio,
                                                                   Qt::SmoothTransformation)));
        size->setText(QStringLiteral("%1 × %2").arg(decoded.image.width()).arg(decoded.image.height()));
    });
}

} // namespace

Answer QtPrompts::message(const QString& text, MessageType type, MessageButtons buttons,
                          const QString& caption)
{
    QMessageBox box(iconOf(type), caption.isEmpty() ? messageCaption(type) : caption, text,
                    QMessageBox::NoButton, parent_);
    const QList<ButtonSpec> specs = buttonsOf(buttons);
    for (const ButtonSpec& s : specs)
        box.addButton(s.button)->setText(QString::fromUtf8(s.caption));
    box.setDefaultButton(specs.first().button);
    const auto clicked = QMessageBox::StandardButton(box.exec());
    for (const ButtonSpec& s : specs)
        if (s.button == clicked)
            return s.answer;
    // Closed with Escape or the title bar: the most cautious answer the box offers.
    return cautiousAnswer(buttons);
}

void QtPrompts::beep(BeepKind) { QApplication::beep(); }

std::optional<QString> QtPrompts::inputBox(const QString& caption, const QString& prompt,
                                           const QString& initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

FileDialogResult QtPrompts::fileDialog(const FileDialogRequest& request)
{
    QFileDialog dialog(parent_, request.title, request.folder);
    // Our own dialog (not the desktop's), so it can be placed, watched and given a preview.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    const bool save = request.mode == FileDialogRequest::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The program asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    const QStringList filters = qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    dialog.setDefaultSuffix(request.defaultExt);
    if (!request.fileName.isEmpty())
        dialog.selectFile(QFileInfo(request.fileName).fileName());
    // An open dialog forgets the typed name when the folder changes; a save dialog keeps it.
    if (!save)
        QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog, [&dialog] {
            if (QLineEdit* name = nameBox(dialog))
                name->clear();
        });
    if (request.picturePreview)
        addPicturePreview(dialog);
    if (save && request.filterRenames)
        renameOnFilterChange(dialog, filters);
    FileDialogWatcher watcher(dialog, parent_);

    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return result;
    result.accepted = true;
    result.path = dialog.selectedFiles().first();
    result.filterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    result.closedByDoubleClick = watcher.doubleClicked();
    return result;
}

std::optional<TColor> QtPrompts::chooseColor(TColor initial, const QString& title)
{
    const QColor chosen = QColorDialog::getColor(toQColor(initial), parent_, title);
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

std::optional<FontChoice> QtPrompts::chooseFont(const FontChoice& initial)
{
    QFont start(initial.name);
    start.setPointSize(std::max(1, initial.pointSize));
    start.setBold(initial.bold);
    start.setItalic(initial.italic);
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, start, parent_);
    if (!ok)
        return std::nullopt;
    return FontChoice{font.family(), font.pointSize(), font.bold(), font.italic()};
}

std::optional<QString> QtPrompts::browseFolder(const QString& caption, const QString& start)
{
    QFileDialog dialog(parent_, caption, start);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    // Placed where it was last used, or centred on the screen, not on the window that opened it.
    const QRect remembered = folderBrowserPlace();
    if (remembered.isValid()) {
        dialog.setGeometry(remembered);
    } else if (const QScreen* screen = parent_ ? parent_->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        const QSize size = dialog.sizeHint();
        dialog.setGeometry(QRect(QPoint(area.left() + (area.width() - size.width()) / 2,
                                        area.top() + (area.height() - size.height()) / 2),
                                 size));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    folderBrowserPlace() = dialog.geometry();
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

} // namespace molvane
