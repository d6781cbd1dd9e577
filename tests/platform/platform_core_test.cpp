#include "platform/busy_pointer.h"
#include "platform/scripted_prompts.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Prompts, SilentDefaultTakesFirstButtonAndCancelsDialogs)
{
    EXPECT_EQ(messageBox("x", MessageButtons::YesNoCancel, MessageIcon::Question, "t"), MessageAnswer::Yes);
    EXPECT_EQ(prompts().openFileName({"Open", "*.pgn", {}}), std::nullopt);
}

TEST(Prompts, ScriptedAnswersInOrderAndRecordsEveryPrompt)
{
    ScriptedPrompts script;
    script.queueAnswer(MessageAnswer::No);
    script.queueText(QStringLiteral("/tmp/a.pgn"));
    script.queueText(std::nullopt);

    EXPECT_EQ(messageBox("Save changes?", MessageButtons::YesNoCancel, MessageIcon::Question, "Pavisto"),
              MessageAnswer::No);
    EXPECT_EQ(prompts().saveFileName({"Save As", "PGN|*.pgn", "x.pgn"}), QStringLiteral("/tmp/a.pgn"));
    EXPECT_EQ(prompts().openFileName({"Open", "PGN|*.pgn", {}}), std::nullopt);
    // Nothing queued: the silent answer, still recorded.
    EXPECT_EQ(messageBox("Done", MessageButtons::Ok, MessageIcon::Information, "Pavisto"), MessageAnswer::Ok);

    ASSERT_EQ(script.records().size(), 4);
    EXPECT_EQ(script.records()[0].text, "Save changes?");
    EXPECT_EQ(script.records()[0].icon, MessageIcon::Question);
    EXPECT_EQ(script.records()[1].kind, ScriptedPrompts::Kind::SaveFile);
    EXPECT_EQ(script.records()[1].fileName, "x.pgn");
    EXPECT_EQ(script.records()[3].title, "Pavisto");
}

TEST(Prompts, ScriptedUninstallsOnDestruction)
{
    {
        ScriptedPrompts script;
        EXPECT_EQ(&prompts(), &script);
    }
    EXPECT_EQ(prompts().openFileName({}), std::nullopt);
}


TEST(BusyPointer, NestedGuardsTurnThePointerOnceAndBack)
{
    QList<bool> calls;
    setBusyPointerHandler([&](bool busy) { calls.append(busy); });
    {
        BusyPointer outer;
        BusyPointer inner;
    }
    setBusyPointerHandler({});
    EXPECT_EQ(calls, (QList<bool>{true, false}));
}
