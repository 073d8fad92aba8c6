#pragma once
// The program's windows, created once at start in their fixed order (the main window first) and
// destroyed together at the end. The dialogs are owned here and shown modally when needed. The main
// window shows before the dialogs are made: they are created right after its first frame.

#include "app/after_first_frame.h"
#include "document/main_window/tform1.h"
#include "picture_editor/tform_moji.h"
#include "picture_editor/tform_picture_editor.h"
#include "picture_editor/tform_show_masu.h"
#include "pictures/tform_pic_effect.h"
#include "pictures/tform_picture_select.h"
#include "pictures/tform_select_width.h"
#include "settings/tform2.h"
#include "settings/tform3.h"

#include <QStringList>
#include <memory>

namespace molvane {

class ApplicationWindows {
public:
    ApplicationWindows(Prompts& prompts, const DataFolders& folders);
    ~ApplicationWindows();

    TForm1& form1() { return *form1_; }
    // Shows the main window. After its first frame (or at the first input before it) the dialogs are
    // created in their order, orphaned recovery files are offered and the file named on the command
    // line (empty for none) is opened: the window has its size by then, for a paste frame to wait in
    // the middle of the view.
    void start(const QString& argument);
    // Finishes the start at once if it has not finished.
    void finishStart();
    bool started() const { return rest_ && rest_->done(); }
    // The object names of the windows in the order they were created.
    const QStringList& creationOrder() const { return order_; }

private:
    void createDialogs();

    template <typename Window, typename... Args>
    std::unique_ptr<Window> create(Args&&... args);

    QStringList order_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TFormPictureEditor> pictureEditor_;
    std::unique_ptr<TFormPictureSelect> pictureSelect_;
    std::unique_ptr<TFormShowMasu> showMasu_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TFormMoji> moji_;
    std::unique_ptr<TFormPicEffect> picEffect_;
    std::unique_ptr<TFormSelectWidth> selectWidth_;
    Prompts& prompts_;
    DataFolders folders_;
    std::unique_ptr<AfterFirstFrame> rest_;
};

} // namespace molvane
