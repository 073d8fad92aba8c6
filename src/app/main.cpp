// Program start: the command line first (no display needed), then the application and its windows.

#include "app/application_windows.h"
#include "app/cli_commands.h"
#include "app/command_line.h"
#include "platform/app_info.h"
#include "platform/data_folder.h"
#include "platform/font_substitution.h"
#include "dialogs/qt_prompts.h"
#include "platform/qt_translations.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    return args;
}

void print(std::FILE* to, const QString& text) { std::fputs(text.toLocal8Bit().constData(), to); }

// Qt would abort with a long message; say in one line what is missing and how to go on.
bool displayAvailable()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

// The commands without a window still draw text, which needs a GUI application: the offscreen one.
int runHeadless(int argc, char** argv, const molvane::CommandLine& command)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    molvane::installFontSubstitutions();
    if (command.action == molvane::CommandLine::Action::Export)
        return molvane::exportFigureFile(command.input, command.output, stderr, command.scale);
    if (command.action == molvane::CommandLine::Action::Thumbnail)
        return molvane::thumbnailFigureFile(command.input, command.output, command.size, stderr);
    return molvane::dumpFigureFile(command.input, stdout, stderr);
}

int runEditor(int argc, char** argv, const molvane::CommandLine& command)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(molvane::kApplicationName));
    QApplication::setApplicationVersion(QString::fromLatin1(molvane::kApplicationVersion));
    // The desktop finds the menu entry, and with it the icon, of the window by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("molvane"));
    molvane::installFontSubstitutions();
    molvane::installQtTranslations(app);

    const QString dataFolder = molvane::locateDataFolder(QApplication::applicationDirPath());
    molvane::QtPrompts prompts;
    molvane::ApplicationWindows windows(prompts, molvane::dataFoldersIn(dataFolder));
    prompts.setParent(&windows.form1());
    windows.start(command.input);
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    const molvane::CommandLine command = molvane::parseCommandLine(argumentsOf(argc, argv));
    switch (command.action) {
    case molvane::CommandLine::Action::ShowHelp:
        print(stdout, molvane::usageText());
        return 0;
    case molvane::CommandLine::Action::ShowVersion:
        print(stdout, molvane::versionText());
        return 0;
    case molvane::CommandLine::Action::Error:
        print(stderr, QStringLiteral("molvane: %1\n%2").arg(command.error, molvane::usageText()));
        return 2;
    case molvane::CommandLine::Action::Export:
    case molvane::CommandLine::Action::Dump:
    case molvane::CommandLine::Action::Thumbnail: return runHeadless(argc, argv, command);
    case molvane::CommandLine::Action::RunEditor:
        break;
    }
    if (!displayAvailable()) {
        print(stderr, QStringLiteral("molvane: no display found; run it under a desktop session or as "
                                     "`xvfb-run -a build/molvane`\n"));
        return 1;
    }
    return runEditor(argc, argv, command);
}
