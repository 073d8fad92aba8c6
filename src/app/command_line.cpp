#include "app/command_line.h"

#include "platform/app_info.h"

namespace molvane {

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine result;
    for (const QString& arg : arguments) {
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            result.action = CommandLine::Action::ShowHelp;
            return result;
        }
        if (arg == QLatin1String("--version")) {
            result.action = CommandLine::Action::ShowVersion;
            return result;
        }
        result.action = CommandLine::Action::Error;
        result.error = arg.startsWith(QLatin1Char('-'))
                           ? QStringLiteral("unknown option: %1").arg(arg)
                           : QStringLiteral("unexpected argument: %1").arg(arg);
        return result;
    }
    return result;
}

QString usageText()
{
    return QStringLiteral("Usage: molvane [--help | --version]\n"
                          "\n"
                          "Molvane draws chemical structural formulas.\n"
                          "\n"
                          "  --help     show this text and exit\n"
                          "  --version  show the version and exit\n");
}

QString versionText()
{
    return QStringLiteral("%1 %2\n").arg(QLatin1String(kApplicationName), QLatin1String(kApplicationVersion));
}

} // namespace molvane
