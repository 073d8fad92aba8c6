// Writes the program's icon at build time: DIR/molvane.svg and DIR/NxN/molvane.png for each size,
// drawn by the figure renderer (editing/application_icon.h). Usage: molvane_icon_maker DIR

#include "editing/application_icon.h"
#include "platform/atomic_file.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

constexpr int kPngSizes[] = {48, 128, 256};

bool write(const QString& path, const QByteArray& bytes)
{
    QString why;
    if (QDir().mkpath(QFileInfo(path).path()) && molvane::writeFileAtomically(path, bytes, &why))
        return true;
    std::fprintf(stderr, "molvane_icon_maker: cannot write %s: %s\n", qPrintable(path), qPrintable(why));
    return false;
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: molvane_icon_maker DIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = write(dir.filePath(QStringLiteral("molvane.svg")), molvane::applicationIconSvg());
    for (int size : kPngSizes)
        ok = write(dir.filePath(QStringLiteral("%1x%1/molvane.png").arg(size)),
                   png(molvane::applicationIcon(size))) &&
             ok;
    return ok ? 0 : 1;
}
