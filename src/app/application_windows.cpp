#include "app/application_windows.h"

namespace molvane {

template <typename Window, typename... Args>
std::unique_ptr<Window> ApplicationWindows::create(Args&&... args)
{
    auto window = std::make_unique<Window>(std::forward<Args>(args)...);
    order_.append(window->objectName());
    return window;
}

ApplicationWindows::ApplicationWindows(Prompts& prompts, const DataFolders& folders)
    : form1_(create<TForm1>(prompts, folders)), prompts_(prompts), folders_(folders)
{
}

void ApplicationWindows::createDialogs()
{
    form3_ = create<TForm3>(prompts_, form1_.get());
    pictureEditor_ = create<TFormPictureEditor>(prompts_, form1_.get());
    pictureSelect_ = create<TFormPictureSelect>(prompts_, form1_.get());
    showMasu_ = create<TFormShowMasu>(prompts_, form1_.get());
    form2_ = create<TForm2>(prompts_, form1_.get());
    moji_ = create<TFormMoji>(form1_.get());
    picEffect_ = create<TFormPicEffect>(form1_.get());
    selectWidth_ = create<TFormSelectWidth>(form1_.get());
    moji_->setPrompts(&prompts_);
    form1_->textButtons().setTextDialog(moji_.get());
    form1_->setStyleDialog(form2_.get());
    form1_->setEnvironmentDialog(form3_.get());
    form1_->pictures().setPictureEditor(pictureEditor_.get());
    pictureEditor_->setGridDialog(showMasu_.get(), form1_->drawing().settings.masuHaba);
    pictureEditor_->setDataFolder(folders_.partPictures);
    pictureEditor_->setTextDialog(moji_.get());
    pictureSelect_->setDialogs(selectWidth_.get(), picEffect_.get());
    pictureSelect_->setPictureFolder(folders_.pictures);
    pictureEditor_->setImportWindow(pictureSelect_.get());
}

void ApplicationWindows::start(const QString& argument)
{
    if (rest_)
        return;
    rest_ = std::make_unique<AfterFirstFrame>(*form1_, [this, argument] {
        form1_->pictures().followClipboard();
        createDialogs();
        form1_->recovery().offerOrphans();
        form1_->openStartupFile(argument);
    });
    form1_->show();
}

void ApplicationWindows::finishStart()
{
    if (rest_)
        rest_->runNow();
}

// The dialogs go before the main window that is their parent.
ApplicationWindows::~ApplicationWindows()
{
    rest_.reset();
    selectWidth_.reset();
    picEffect_.reset();
    moji_.reset();
    form2_.reset();
    showMasu_.reset();
    pictureSelect_.reset();
    pictureEditor_.reset();
    form3_.reset();
}

} // namespace molvane
