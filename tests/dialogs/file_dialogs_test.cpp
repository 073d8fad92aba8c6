// The file dialog components' own rules: the name a picture save dialog shows after a filter is picked,
// and which dialogs ask for it.

#include "dialogs/file_dialogs.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

TEST(PictureFilterName, TheFiltersExtensionReplacesTheNamesOrJoinsIt)
{
    struct Case {
        const char* shown;
        int filter;
        const char* renamed;
    };
    const Case cases[] = {
        {"/x/y/b.bmp", 2, "b.jpg"}, {"/x/y/b.jpg", 1, "b.bmp"},
        {"b.jpeg", 1, "b.bmp"},     {"b", 2, "b.jpg"},
        {"/x.y/b", 1, "b.bmp"},     {"a.b.c.JPG", 1, "a.b.c.bmp"},
        {"b.", 2, "b.jpg"},         {"分子 図.bmp", 2, "分子 図.jpg"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nameForPictureFilter(QString::fromUtf8(c.shown), c.filter), QString::fromUtf8(c.renamed))
            << c.shown << " with filter " << c.filter;
}

TEST(PictureFilterName, TheFilterOfBothKindsAndEmptyNamesLeaveTheBoxAlone)
{
    EXPECT_EQ(nameForPictureFilter("/x/y/b.bmp", 3), std::nullopt);
    EXPECT_EQ(nameForPictureFilter("b.jpg", 0), std::nullopt);
    EXPECT_EQ(nameForPictureFilter("", 1), std::nullopt);
    EXPECT_EQ(nameForPictureFilter("/x/y/", 2), std::nullopt) << "a folder, no name";
}

TEST(PictureFilterName, OnlyPictureSaveDialogsAskForIt)
{
    const auto asks = [](TFileDialogComponent& dialog) {
        ScriptedPrompts prompts;
        prompts.expectFileDialog(dialog.Title, FileDialogResult{});
        dialog.Execute(prompts);
        return prompts.lastFileRequest().filterRenames;
    };
    TMySavePictureDialog savePicture;
    TMyOpenPictureDialog openPicture;
    TMySaveDialog saveFigures;
    TMyOpenDialog openFigures;
    EXPECT_TRUE(asks(savePicture));
    EXPECT_FALSE(asks(openPicture));
    EXPECT_FALSE(asks(saveFigures));
    EXPECT_FALSE(asks(openFigures));
}
