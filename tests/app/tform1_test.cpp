#include "document/tform1.h"

#include <gtest/gtest.h>

using namespace molvane;

TEST(TForm1, IsTitledMolvaneAndFindableByName)
{
    TForm1 form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Molvane"));
    EXPECT_EQ(form.objectName(), QStringLiteral("Form1"));
}
