#include "app/command_line.h"

#include "document/picture_export.h"

#include "document/thumbnail.h"
#include "platform/app_info.h"

namespace molvane {

namespace {

CommandLine error(const QString& why)
{
    CommandLine c;
    c.action = CommandLine::Action::Error;
    c.error = why;
    return c;
}

CommandLine withFiles(CommandLine::Action action, const QStringList& args, int needed)
{
    const QString option = args.first();
    if (args.size() != needed + 1)
        return error(QStringLiteral("%1 takes %2").arg(option, needed == 2 ? QStringLiteral("IN OUT")
                                                                            : QStringLiteral("IN")));
    CommandLine c;
    c.action = action;
    c.input = args[1];
    if (needed == 2)
        c.output = args[2];
    return c;
}

// --export IN OUT [--scale S]: the scale only for a PNG.
CommandLine exportCommand(QStringList args)
{
    int scale = 1;
    if (const qsizetype at = args.indexOf(QLatin1String("--scale")); at >= 0) {
        bool number = false;
        scale = at + 1 < args.size() ? args[at + 1].toInt(&number) : 0;
        if (!number || scale < kSmallestExportScale || scale > kLargestExportScale)
            return error(QStringLiteral("--scale takes a number from %1 to %2")
                             .arg(kSmallestExportScale)
                             .arg(kLargestExportScale));
        args.remove(at, 2);
    }
    CommandLine c = withFiles(CommandLine::Action::Export, args, 2);
    if (c.action == CommandLine::Action::Export && scale != 1 &&
        !c.output.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return error(QStringLiteral("--scale is for a .png output"));
    c.scale = scale;
    return c;
}

CommandLine thumbnailCommand(const QStringList& args)
{
    if (args.size() != 4)
        return error(QStringLiteral("--thumbnail takes IN OUT SIZE"));
    bool number = false;
    const int size = args[3].toInt(&number);
    if (!number || size < kSmallestThumbnail || size > kLargestThumbnail)
        return error(QStringLiteral("--thumbnail: SIZE must be a number from %1 to %2, not %3")
                         .arg(kSmallestThumbnail)
                         .arg(kLargestThumbnail)
                         .arg(args[3]));
    CommandLine c;
    c.action = CommandLine::Action::Thumbnail;
    c.input = args[1];
    c.output = args[2];
    c.size = size;
    return c;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        CommandLine c;
        c.action = CommandLine::Action::ShowHelp;
        return c;
    }
    if (arguments.isEmpty())
        return {};
    const QString& first = arguments.first();
    if (first == QLatin1String("--version")) {
        CommandLine c;
        c.action = CommandLine::Action::ShowVersion;
        return c;
    }
    if (first == QLatin1String("--export"))
        return exportCommand(arguments);
    if (first == QLatin1String("--dump"))
        return withFiles(CommandLine::Action::Dump, arguments, 1);
    if (first == QLatin1String("--thumbnail"))
        return thumbnailCommand(arguments);
    if (first.startsWith(QLatin1Char('-')))
        return error(QStringLiteral("unknown option: %1").arg(first));
    if (arguments.size() > 1)
        return error(QStringLiteral("unexpected argument: %1").arg(arguments[1]));
    CommandLine c;
    c.input = first; // a partial figure file's name, a figure file, or a picture to place
    return c;
}

QString usageText()
{
    return QStringLiteral(
        "Usage: molvane [FILE]\n"
        "       molvane --help | --version\n"
        "       molvane --export IN OUT [--scale S]\n"
        "       molvane --dump IN\n"
        "       molvane --thumbnail IN OUT SIZE\n"
        "\n"
        "Molvane draws chemical structural formulas.\n"
        "\n"
        "  FILE             a partial figure file (looked up by its name in the data folder's\n"
        "                   部分図形ファイル folder), else a figure file (.fga) to open, a\n"
        "                   partial figure file (.fgb) or a .bmp/.jpg picture to place\n"
        "  --export IN OUT  render the figure file IN (.fga or .fgb) without a window;\n"
        "                   OUT by its extension: .bmp, .jpg, .png, .svg, .pdf, or .fga/.fgb to\n"
        "                   re-encode\n"
        "  --scale S        with a .png OUT: each canvas pixel as S x S pixels (1 to 8), the\n"
        "                   resolution stored as 96 x S dots per inch\n"
        "  --dump IN        print the figure file IN as one JSON document\n"
        "  --thumbnail IN OUT SIZE\n"
        "                   write the drawn part of the figure file IN as the PNG picture OUT,\n"
        "                   at most SIZE pixels wide and high, transparent where it is white\n"
        "  --help           show this text and exit\n"
        "  --version        show the version and exit\n");
}

QString versionText()
{
    return QStringLiteral("%1 %2\n").arg(QLatin1String(kApplicationName), QLatin1String(kApplicationVersion));
}

} // namespace molvane
