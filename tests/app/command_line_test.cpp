#include "app/command_line.h"

#include <gtest/gtest.h>

using namespace molvane;

TEST(CommandLine, NoArgumentsRunsTheEditor)
{
    EXPECT_EQ(parseCommandLine({}).action, CommandLine::Action::RunEditor);
}

TEST(CommandLine, HelpAndVersionWinWhereverTheyStand)
{
    EXPECT_EQ(parseCommandLine({"--help"}).action, CommandLine::Action::ShowHelp);
    EXPECT_EQ(parseCommandLine({"-h"}).action, CommandLine::Action::ShowHelp);
    EXPECT_EQ(parseCommandLine({"--version"}).action, CommandLine::Action::ShowVersion);
    EXPECT_TRUE(usageText().startsWith("Usage: molvane"));
    EXPECT_TRUE(versionText().startsWith("Molvane "));
}

TEST(CommandLine, UnknownOptionsAndArgumentsAreErrorsThatNameThem)
{
    const CommandLine bad = parseCommandLine({"--frobnicate"});
    EXPECT_EQ(bad.action, CommandLine::Action::Error);
    EXPECT_TRUE(bad.error.contains("--frobnicate"));
    const CommandLine extra = parseCommandLine({"a.fgb", "drawing.fga"});
    EXPECT_EQ(extra.action, CommandLine::Action::Error);
    EXPECT_TRUE(extra.error.contains("drawing.fga"));
    const CommandLine file = parseCommandLine({"ring.fgb"});
    EXPECT_EQ(file.action, CommandLine::Action::RunEditor);
    EXPECT_EQ(file.input, "ring.fgb");
}

TEST(CommandLine, ExportAndDumpTakeTheirFiles)
{
    const CommandLine e = parseCommandLine({"--export", "in.fga", "out.bmp"});
    EXPECT_EQ(e.action, CommandLine::Action::Export);
    EXPECT_EQ(e.input, "in.fga");
    EXPECT_EQ(e.output, "out.bmp");
    const CommandLine d = parseCommandLine({"--dump", "in.fgb"});
    EXPECT_EQ(d.action, CommandLine::Action::Dump);
    EXPECT_EQ(d.input, "in.fgb");
    EXPECT_EQ(parseCommandLine({"--export", "in.fga"}).action, CommandLine::Action::Error);
    EXPECT_EQ(parseCommandLine({"--dump"}).action, CommandLine::Action::Error);
    EXPECT_EQ(parseCommandLine({"--dump", "a", "b"}).action, CommandLine::Action::Error);
}

TEST(CommandLine, AScaleIsForAPngFromOneToEight)
{
    const CommandLine e = parseCommandLine({"--export", "in.fga", "out.png", "--scale", "4"});
    EXPECT_EQ(e.action, CommandLine::Action::Export);
    EXPECT_EQ(e.output, "out.png");
    EXPECT_EQ(e.scale, 4);
    EXPECT_EQ(parseCommandLine({"--export", "--scale", "2", "in.fga", "out.PNG"}).scale, 2);
    EXPECT_EQ(parseCommandLine({"--export", "in.fga", "out.png"}).scale, 1);
    for (const QStringList& wrong : {QStringList{"--export", "in.fga", "out.png", "--scale", "9"},
                                     QStringList{"--export", "in.fga", "out.png", "--scale", "0"},
                                     QStringList{"--export", "in.fga", "out.png", "--scale"},
                                     QStringList{"--export", "in.fga", "out.bmp", "--scale", "2"}})
        EXPECT_EQ(parseCommandLine(wrong).action, CommandLine::Action::Error)
            << wrong.join(' ').toStdString();
}

// File managers run "molvane --thumbnail %i %o %s": the size must be a size.
TEST(CommandLine, ThumbnailTakesItsFilesAndASizeItCanMake)
{
    const CommandLine t = parseCommandLine({"--thumbnail", "in.fga", "out.png", "256"});
    EXPECT_EQ(t.action, CommandLine::Action::Thumbnail);
    EXPECT_EQ(t.input, "in.fga");
    EXPECT_EQ(t.output, "out.png");
    EXPECT_EQ(t.size, 256);
    for (const QStringList& bad : {QStringList{"--thumbnail", "in.fga", "out.png"},
                                   QStringList{"--thumbnail", "in.fga", "out.png", "0"},
                                   QStringList{"--thumbnail", "in.fga", "out.png", "big"},
                                   QStringList{"--thumbnail", "in.fga", "out.png", "99999"}})
        EXPECT_EQ(parseCommandLine(bad).action, CommandLine::Action::Error) << bad.join(' ').toStdString();
}
