#include "support/image_test_util.h"

#include <QDir>
#include <climits>
#include <cstdlib>

namespace molvane::test {

QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(toQRgb(clWhite));
    return image;
}

TColor pixelAt(const QImage& image, int x, int y) { return fromQRgb(image.pixel(x, y)); }

int countPixels(const QImage& image, TColor color, QRect area)
{
    const QRect r = (area.isNull() ? image.rect() : area) & image.rect();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += fromQRgb(image.pixel(x, y)) == color;
    return n;
}

int maxChannelDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return INT_MAX;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

QString saveForInspection(const QImage& image, const QString& name)
{
    QDir().mkpath(QStringLiteral(MOLVANE_TEST_OUTPUT_DIR));
    const QString path = QStringLiteral(MOLVANE_TEST_OUTPUT_DIR "/%1.png").arg(name);
    image.save(path);
    return path;
}

::testing::AssertionResult imagesMatch(const QImage& actual, const QImage& expected, int tolerance,
                                       const QString& name)
{
    const int diff = maxChannelDifference(actual, expected);
    if (diff <= tolerance)
        return ::testing::AssertionSuccess();
    const QString a = saveForInspection(actual, name + QStringLiteral("-actual"));
    const QString e = saveForInspection(expected, name + QStringLiteral("-expected"));
    return ::testing::AssertionFailure() << "pictures differ by " << diff << " (tolerance " << tolerance
                                         << "); see " << a.toStdString() << " and " << e.toStdString();
}

::testing::AssertionResult imagesMostlyMatch(const QImage& actual, const QImage& expected, int maxPixels,
                                             const QString& name)
{
    int differing = 0;
    if (actual.size() == expected.size()) {
        for (int y = 0; y < actual.height(); ++y)
            for (int x = 0; x < actual.width(); ++x)
                differing += (actual.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF);
        if (differing <= maxPixels)
            return ::testing::AssertionSuccess();
    }
    const QString a = saveForInspection(actual, name + QStringLiteral("-actual"));
    const QString e = saveForInspection(expected, name + QStringLiteral("-expected"));
    return ::testing::AssertionFailure() << differing << " pixels differ (at most " << maxPixels << " may); see "
                                         << a.toStdString() << " and " << e.toStdString();
}

} // namespace molvane::test
