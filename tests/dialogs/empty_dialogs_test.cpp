#include "picture_editor/tform_moji.h"
#include "pictures/tform_select_width.h"
#include "pictures/tform_pic_effect.h"
#include "pictures/tform_picture_select.h"

#include <QPushButton>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

using namespace molvane;

namespace {

struct DialogCase {
    const char* objectName;
    QString title;
    bool large; // a working window rather than a small dialog
    std::function<std::unique_ptr<QDialog>()> make;
};

// Test names and failure messages show the dialog by name, not as bytes.
void PrintTo(const DialogCase& c, std::ostream* os)
{
    *os << c.objectName;
}

template <class Dialog> DialogCase dialogCase(const char* objectName, const char* title, bool large = false)
{
    return {objectName, QString::fromUtf8(title), large, [] { return std::make_unique<Dialog>(); }};
}

class EmptyDialog : public ::testing::TestWithParam<DialogCase> {
protected:
    void SetUp() override { dialog = GetParam().make(); }

    QPushButton* button(const char* name) const
    {
        return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    // Shows the dialog without a modal loop, clicks the button and returns the code it finished with.
    int finishedCodeAfterClicking(const char* name)
    {
        int finished = -1;
        QObject::connect(dialog.get(), &QDialog::finished, [&finished](int code) { finished = code; });
        dialog->show();
        button(name)->click();
        EXPECT_FALSE(dialog->isVisible());
        return finished;
    }

    std::unique_ptr<QDialog> dialog;
};

} // namespace

TEST_P(EmptyDialog, OkAccepts)
{
    dialog->setResult(QDialog::Rejected);
    EXPECT_EQ(finishedCodeAfterClicking("btOK"), QDialog::Accepted);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_P(EmptyDialog, CancelRejects)
{
    dialog->setResult(QDialog::Accepted);
    EXPECT_EQ(finishedCodeAfterClicking("btCancel"), QDialog::Rejected);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

INSTANTIATE_TEST_SUITE_P(Windows, EmptyDialog,
                         ::testing::Values(dialogCase<TFormPicEffect>("FormPicEffect", "画像の調整"),
                                           dialogCase<TFormSelectWidth>("FormSelectWidth", "線の幅")),
                         [](const ::testing::TestParamInfo<DialogCase>& info) {
                             return std::string(info.param.objectName);
                         });
