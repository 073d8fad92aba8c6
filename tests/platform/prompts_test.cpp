#include "platform/prompts.h"

#include "support/scripted_prompts.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

TEST(Prompts, ScriptedAnswersComeBackInOrderAndAreLogged)
{
    ScriptedPrompts prompts;
    prompts.expectBeep(BeepKind::Warning)
        .expectMessage("保存しますか。", MessageType::Confirmation, MessageButtons::YesNoCancel, Answer::No)
        .expectFileDialog("開く", FileDialogResult{true, "/tmp/a.fga", 1, false})
        .expectInput("名前", QString("abc"));
    Prompts& p = prompts;
    p.beep(BeepKind::Warning);
    EXPECT_EQ(p.message("保存しますか。", MessageType::Confirmation, MessageButtons::YesNoCancel), Answer::No);
    FileDialogRequest req;
    req.title = "開く";
    req.filter = "ファイル (*.fga)|*.fga";
    const FileDialogResult file = p.fileDialog(req);
    EXPECT_TRUE(file.accepted);
    EXPECT_EQ(file.path, "/tmp/a.fga");
    EXPECT_EQ(prompts.lastFileRequest().filter, req.filter);
    EXPECT_EQ(p.inputBox("c", "名前", ""), QString("abc"));
    ASSERT_EQ(prompts.log().size(), 4);
    EXPECT_EQ(prompts.log()[1], "message confirmation Yes/No/Cancel: 保存しますか。");
    EXPECT_EQ(prompts.pendingCount(), 0);
}

TEST(Prompts, AnUnexpectedPromptFailsTheTestAndGetsTheCautiousAnswer)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompts prompts;
            EXPECT_EQ(prompts.message("消しますか", MessageType::Warning, MessageButtons::YesNo), Answer::No);
        },
        "unexpected message");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompts prompts;
            prompts.expectMessage("A", MessageType::Error, MessageButtons::Ok, Answer::Ok);
            prompts.message("B", MessageType::Error, MessageButtons::Ok);
        },
        "expected message \"A\" but got");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompts prompts;
            prompts.expectMessage("A", MessageType::Error, MessageButtons::Ok, Answer::Ok);
            prompts.message("A", MessageType::Warning, MessageButtons::Ok);
        },
        "but got message warning");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompts prompts;
            prompts.beep(BeepKind::Asterisk);
        },
        "unexpected beep");
}

TEST(Prompts, ALeftOverExpectationFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompts prompts;
            prompts.expectMessage("内部データエラー", MessageType::Error, MessageButtons::Ok, Answer::Ok);
        },
        "never came: 内部データエラー");
}

TEST(Prompts, BeepsMayBeLetThroughWhenATestIsAboutSomethingElse)
{
    ScriptedPrompts prompts;
    prompts.setIgnoreBeeps(true);
    prompts.beep(BeepKind::Information);
    EXPECT_EQ(prompts.log(), QStringList{"beep information"});
}

TEST(Prompts, FilterTextsBecomeQtNameFilters)
{
    EXPECT_EQ(qtNameFilters("ファイル (*.fga)|*.fga"), QStringList{"ファイル (*.fga)"});
    EXPECT_EQ(qtNameFilters("BMP ﾌｧｲﾙ (*.bmp)|*.bmp|JPEG ﾌｧｲﾙ (*.jpg)|*.jpg|全種類 (*.bmp, *.jpg)|*.bmp;*.jpg"),
              (QStringList{"BMP ﾌｧｲﾙ (*.bmp)", "JPEG ﾌｧｲﾙ (*.jpg)", "全種類 (*.bmp *.jpg)"}));
    EXPECT_EQ(qtNameFilters("All|*"), QStringList{"All (*)"});
    EXPECT_EQ(messageCaption(MessageType::Error), "エラー");
}
