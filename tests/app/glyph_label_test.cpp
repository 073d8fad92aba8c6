#include "document/glyph_label.h"

#include "support/image_test_util.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

// The label on a known background, as its parent would show it.
QImage shot(QLabel& label)
{
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(label.palette().color(QPalette::Window));
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Pixels of anything but the label's background colour.
int inkedPixels(const QImage& image, const QLabel& label)
{
    return image.width() * image.height() - countPixels(image, fromQRgb(label.palette().color(QPalette::Window).rgb()));
}

} // namespace

TEST(GlyphLabel, PaintsWhatAPlainLabelPaints)
{
    // The status bar's position text: ASCII digits, spaces and punctuation, then a tool name in
    // Japanese from a fallback font, which is taller than the label's own and placed at fractions of
    // a pixel.
    for (const QString& text : {QStringLiteral("X=470, Y=330, W=0, H=0, 単結合"),
                                QStringLiteral("X=-12, Y=9876, W=1500, H=1000, 選択モード（範囲）"),
                                QStringLiteral("X=1, Y=2, W=3, H=4")})
    for (bool lightOnDark : {false, true}) {
        QLabel plain;
        GlyphLabel fast;
        for (QLabel* l : {static_cast<QLabel*>(&plain), static_cast<QLabel*>(&fast)}) {
            if (lightOnDark) {
                QPalette colours = l->palette();
                colours.setColor(QPalette::WindowText, QColor(250, 250, 210));
                colours.setColor(QPalette::Window, QColor(20, 30, 90));
                l->setPalette(colours);
            }
            l->setFixedSize(320, l->fontMetrics().height());
            l->setText(text);
        }
        const QImage expected = shot(plain);
        const QImage actual = shot(fast);
        ASSERT_GT(inkedPixels(expected, plain), 100) << "nothing to compare";
        EXPECT_TRUE(imagesMatch(actual, expected, 0, QStringLiteral("glyph_label_status_text"))) << text.toStdString();
        EXPECT_GT(fast.glyphsCached(), 0);
    }
}

TEST(GlyphLabel, EachNewTextLooksAsAPlainLabelShowsIt)
{
    // The line is composed again only where characters changed: digits of the same width, a number
    // growing a digit (everything after it moves), a shorter text, another tool name, nothing at all.
    QLabel plain;
    GlyphLabel fast;
    for (QLabel* l : {static_cast<QLabel*>(&plain), static_cast<QLabel*>(&fast)})
        l->setFixedSize(320, l->fontMetrics().height());
    const QString texts[] = {QStringLiteral("X=470, Y=330, W=0, H=0, 単結合"),
                             QStringLiteral("X=482, Y=344, W=0, H=0, 単結合"),
                             QStringLiteral("X=470, Y=330, W=0, H=0, 単結合"),
                             QStringLiteral("X=1470, Y=33, W=0, H=0, 単結合"),
                             QStringLiteral("X=1, Y=1, W=1, H=1"),
                             QStringLiteral("X=1, Y=1, W=1, H=1, 二重結合"), // a comma a 64th short of a pixel
                             QString(),
                             QStringLiteral("X=-8, Y=77, W=12, H=3, 選択モード（範囲）"),
                             // longer than the label is wide: cut at its edge, before and after a change
                             QStringLiteral("X=9999, Y=9999, W=9999, H=9999, 選択モード（範囲）選択モード（範囲）"),
                             QStringLiteral("X=9998, Y=9999, W=9999, H=9999, 選択モード（範囲）選択モード（範囲）")};
    int step = 0;
    for (const QString& text : texts) {
        plain.setText(text);
        fast.setText(text);
        // Where the soft edges of two neighbours overlap, the darker pixel is kept, not both blended.
        EXPECT_TRUE(imagesMatch(shot(fast), shot(plain), 8, QString("glyph_label_step_%1").arg(step++)))
            << text.toStdString();
    }
}

TEST(GlyphLabel, NewTextsReuseTheCharactersRendered)
{
    GlyphLabel label;
    label.setFixedSize(320, label.fontMetrics().height());
    label.setText(QStringLiteral("X=0123456789, Y=,"));
    shot(label);
    const int cached = label.glyphsCached();
    EXPECT_EQ(cached, 15); // X = 0..9 , space Y
    label.setText(QStringLiteral("X=9876, Y=543,"));
    shot(label);
    EXPECT_EQ(label.glyphsCached(), cached);
    QFont bigger = label.font();
    bigger.setPointSize(bigger.pointSize() + 6);
    label.setFont(bigger);
    EXPECT_EQ(label.glyphsCached(), 0); // images of the old font are no use
    QPalette colours = label.palette();
    colours.setColor(QPalette::WindowText, QColor(0, 0, 128));
    label.setFont(QFont());
    shot(label);
    EXPECT_EQ(label.glyphsCached(), 12); // X = 9 8 7 6 , space Y 5 4 3
    label.setPalette(colours);
    label.setText(QStringLiteral("X=1"));
    shot(label);
    EXPECT_EQ(label.glyphsCached(), 3); // made again in the new colour
}

TEST(GlyphLabel, TextsThatDoNotStandAloneAsCharacters)
{
    EXPECT_TRUE(charactersStandAlone(QStringLiteral("X=1, Y=2, W=3, H=4, 単結合")));
    EXPECT_FALSE(charactersStandAlone(QStringLiteral("e\u0301"))); // a combining accent
    EXPECT_FALSE(charactersStandAlone(QString::fromUcs4(U"\U0001F600"))); // a surrogate pair
    EXPECT_FALSE(charactersStandAlone(QStringLiteral("\u05D0\u05D1"))); // Hebrew, right to left
    EXPECT_FALSE(charactersStandAlone(QStringLiteral("a\tb")));
    // Such texts are painted as any label's, and give the same picture.
    QLabel plain;
    GlyphLabel fast;
    for (QLabel* l : {static_cast<QLabel*>(&plain), static_cast<QLabel*>(&fast)}) {
        l->setFixedSize(200, l->fontMetrics().height());
        l->setText(QStringLiteral("caf\u00E9 e\u0301"));
    }
    EXPECT_TRUE(imagesMatch(shot(fast), shot(plain), 0, QStringLiteral("glyph_label_combining")));
    EXPECT_EQ(fast.glyphsCached(), 0);
}

TEST(GlyphLabel, ColoursThatCrossArePaintedAsAnyLabel)
{
    // Red on grey: darker in green and blue, lighter in red. Laying characters over each other could
    // keep neither colour, so the label paints its text as a plain one.
    QLabel plain;
    GlyphLabel fast;
    for (QLabel* l : {static_cast<QLabel*>(&plain), static_cast<QLabel*>(&fast)}) {
        QPalette colours = l->palette();
        colours.setColor(QPalette::WindowText, QColor(255, 0, 0));
        colours.setColor(QPalette::Window, QColor(200, 200, 200));
        l->setPalette(colours);
        l->setFixedSize(200, l->fontMetrics().height());
        l->setText(QStringLiteral("X=1, Y=2"));
    }
    EXPECT_TRUE(imagesMatch(shot(fast), shot(plain), 0, QStringLiteral("glyph_label_crossing_colours")));
    EXPECT_EQ(fast.glyphsCached(), 0);
}
