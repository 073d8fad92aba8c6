// Real formulas drawn through the main window with the mouse, compared with reference pictures in
// tests/data/reference/ (made by this test with MOLVANE_WRITE_REFERENCES=1 and checked by eye). A failure
// writes the actual and the expected picture into the test output folder.

#include "main_window_driver.h"
#include "support/image_test_util.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

using namespace molvane;
using namespace molvane::test;

namespace {

const QPoint kRing[6] = {{240, 216}, {282, 240}, {282, 288}, {240, 312}, {198, 288}, {198, 240}};

class ReferenceDrawings : public MainWindowDriver {
protected:
    void tool(const char* name) { button(name)->click(); }
    void shape(int value) { form->findChild<TUpDown*>("UpDown3")->setValue(value); }
    void width(int value) { form->findChild<TUpDown*>("UpDown4")->setValue(value); }
    void ring(bool withDoubles)
    {
        for (int i = 0; i < 6; ++i) {
            tool(withDoubles && i % 2 ? "sbFuncDouble" : "sbFuncSingle");
            drag(kRing[i], kRing[(i + 1) % 6]);
        }
    }
    void label(const char* content, QPoint at)
    {
        prompts.expectInput(QString::fromUtf8("文字または短文を入力して下さい。"), QString::fromUtf8(content));
        rightPress(button("sbChar1"));
        button("sbChar1")->click();
        drag(at, at);
    }
    // The part of the drawing bitmap that holds the formula, against its reference picture.
    void compare(const char* name, QRect part = QRect(150, 130, 300, 240))
    {
        const QImage actual = form->drawing().bitmap().copy(part);
        const QString path = QStringLiteral(MOLVANE_TEST_DATA_DIR "/reference/%1.png").arg(QString::fromLatin1(name));
        if (qEnvironmentVariableIsSet("MOLVANE_WRITE_REFERENCES")) {
            QDir().mkpath(QFileInfo(path).absolutePath());
            ASSERT_TRUE(actual.save(path));
            return;
        }
        const QImage expected(path);
        ASSERT_FALSE(expected.isNull()) << path.toStdString();
        EXPECT_TRUE(imagesMostlyMatch(actual, expected.convertToFormat(QImage::Format_RGB32), 40,
                                      QString::fromLatin1(name)));
    }
};

} // namespace

TEST_F(ReferenceDrawings, BenzeneWithAHydroxyGroup)
{
    ring(true);
    tool("sbFuncSingle");
    drag(kRing[0], {240, 168});
    label("OH", {240, 156});
    compare("benzene-oh");
}

TEST_F(ReferenceDrawings, FilledAndHashedWedges)
{
    tool("sbFuncStereo");
    shape(8);
    drag({200, 300}, {260, 240});
    shape(-8);
    drag({260, 240}, {330, 280});
    tool("sbFuncSingle");
    drag({330, 280}, {400, 240});
    compare("wedges");
}

TEST_F(ReferenceDrawings, CurvedAndStraightArrows)
{
    tool("sbFuncAllow");
    shape(20);
    drag({180, 300}, {420, 300});
    shape(0);
    drag({180, 200}, {400, 160});
    compare("arrows");
}

TEST_F(ReferenceDrawings, AFilledRing)
{
    ring(false);
    tool("sbFuncNuri");
    click({240, 264});
    ASSERT_EQ(figures().back().kind, fkNuri);
    compare("filled-ring");
}

TEST_F(ReferenceDrawings, OrbitalsAndACircle)
{
    tool("sbFuncPai");
    shape(30);
    drag({240, 250}, {240, 170});
    drag({240, 250}, {240, 330});
    tool("sbFuncCircle");
    shape(3);
    drag({330, 230}, {390, 290});
    compare("orbitals");
}

TEST_F(ReferenceDrawings, AFreeCurveAndAMethylGroup)
{
    tool("sbFuncFree");
    press({180, 300});
    for (int i = 1; i <= 20; ++i)
        move({180 + 10 * i, 300 - int(60 * std::sin(i / 3.0))});
    release({380, 300 - int(60 * std::sin(20 / 3.0))});
    label("CH3", {300, 180});
    compare("free-curve-methyl");
}
