// The main of every test executable: a GUI application on the offscreen platform (fonts, pixmaps and
// cursors need one), or a widget application when the tests build windows.

#include "platform/font_substitution.h"

#include <gtest/gtest.h>

#ifdef MOLVANE_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

#include <cstring>

namespace {

bool onlyListing(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // Test discovery runs at build time, where no platform is configured: listing needs no application.
    const bool listing = onlyListing(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (listing)
        return RUN_ALL_TESTS();
    TestApplication app(argc, argv);
    molvane::installFontSubstitutions();
    return RUN_ALL_TESTS();
}
