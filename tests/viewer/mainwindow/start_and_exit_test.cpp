// Start-up with and without a startup file, and shut-down writing it.

#include "main_window_fixture.h"

#include "viewer/dialogs/frm_variation.h"

using platform::MessageAnswer;
using testsupport::MainWindowTest;

TEST_F(MainWindowTest, StartsWithDefaultsWithoutAStartupFile)
{
    START_WINDOW_OR_SKIP();
    const pavisto::ViewerState &state = m_window->state();
    EXPECT_EQ(state.AutoPlayMode, QStringLiteral("PNP"));
    EXPECT_EQ(state.AutoPlaySpeed, 1);
    EXPECT_EQ(state.MoveListStyle, QStringLiteral("L"));
    EXPECT_FALSE(state.AutoPlayOn);
    EXPECT_TRUE(state.MainWindowOpen);
    EXPECT_EQ(state.CurrentGame, -1);
    EXPECT_FALSE(state.Games.isAllocated());

    platform::BoardProxy &board = m_window->board();
    EXPECT_EQ(board.PromotionPiece(), QStringLiteral("Q"));
    EXPECT_EQ(board.LightSquareColor(), 0xFFFFFFu);
    EXPECT_EQ(board.DarkSquareColor(), 0xC0C0C0u);
    constexpr platform::DispId GameResult = 0x68030003;
    EXPECT_EQ(board.property(GameResult).toString(), QStringLiteral("*")); // from the stored settings
    platform::BoardProxy &second = m_window->variationBoard().board();
    EXPECT_EQ(second.LightSquareColor(), 0xFFFFFFu);
    EXPECT_EQ(second.DarkSquareColor(), 0xC0C0C0u);
    EXPECT_FALSE(m_window->variationBoard().isVisible());

    EXPECT_EQ(tagList(), (QStringList{"[Event \"?\"]", "[Site \"?\"]", "[Date \"????.??.??\"]", "[Round \"?\"]",
                                      "[White \"?\"]", "[Black \"?\"]", "[Result \"*\"]"}));
    EXPECT_EQ(labelText("lblPly"), QStringLiteral("Ply: 0"));
    EXPECT_EQ(labelText("lblOnMove"), QStringLiteral("On Move: W"));
    EXPECT_FALSE(m_window->menuItem(QStringLiteral("mnuFileLoad"))->isEnabled());
    EXPECT_TRUE(m_prompts.records().isEmpty());
}

TEST_F(MainWindowTest, StartupFileSetsTheOptionsOfBothBoards)
{
    writeFile(startupFile(), "R\r\nPS\r\n 5 \r\nA\r\n 255\r\n-2147483633\r\n");
    START_WINDOW_OR_SKIP();
    const pavisto::ViewerState &state = m_window->state();
    EXPECT_EQ(state.AutoPlayMode, QStringLiteral("PS"));
    EXPECT_EQ(state.AutoPlaySpeed, 5);
    EXPECT_EQ(state.MoveListStyle, QStringLiteral("A"));
    EXPECT_EQ(m_window->board().PromotionPiece(), QStringLiteral("R"));
    EXPECT_EQ(m_window->board().LightSquareColor(), 255u);
    EXPECT_EQ(m_window->board().DarkSquareColor(), 0x8000000Fu);
    platform::BoardProxy &second = m_window->variationBoard().board();
    EXPECT_EQ(second.PromotionPiece(), QStringLiteral("R"));
    EXPECT_EQ(second.LightSquareColor(), 255u);
    EXPECT_EQ(second.DarkSquareColor(), 0x8000000Fu);
}

TEST_F(MainWindowTest, OrderlyExitWritesTheStartupFile)
{
    START_WINDOW_OR_SKIP();
    m_window->state().AutoPlaySpeed = 12;
    m_window->board().setPromotionPiece(QStringLiteral("N"));
    m_window->show();
    EXPECT_TRUE(m_window->close());
    QFile file(startupFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("N\r\nPNP\r\n 12 \r\nL\r\n 16777215\r\n 12632256\r\n"));
}

TEST_F(MainWindowTest, CancelledPromptAtExitKeepsTheWindowAndTheFile)
{
    writeFile(startupFile(), "Q\r\nPR\r\n");
    START_WINDOW_OR_SKIP();
    m_window->show();
    m_window->board().setGameChanged(true);

    // Ctrl+Q with an unsaved game, answered Cancel.
    m_prompts.queueAnswer(MessageAnswer::Cancel);
    m_window->menuItem(QStringLiteral("mnuFileExit"))->trigger();
    EXPECT_TRUE(m_window->isVisible());
    ASSERT_EQ(m_prompts.records().size(), 1);
    EXPECT_EQ(m_prompts.records()[0].title, QStringLiteral("Unsaved Game Changes"));
    QFile file(startupFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Q\r\nPR\r\n"));
    file.close();

    // The unsaved-file prompt cancelled after the game prompt was answered No.
    m_window->state().FileChanged = true;
    m_prompts.queueAnswer(MessageAnswer::No);
    m_prompts.queueAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(m_window->close());
    EXPECT_EQ(m_prompts.records().last().title, QStringLiteral("Unsaved File Changes"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Q\r\nPR\r\n"));
    file.close();

    // No and No: the window closes and the file is rewritten whole.
    m_prompts.queueAnswer(MessageAnswer::No);
    m_prompts.queueAnswer(MessageAnswer::No);
    EXPECT_TRUE(m_window->close());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().split('\n').size(), 7);
}

TEST_F(MainWindowTest, VariationBoardOpensFromTheToolbarAndOnlyHidesWhenClosed)
{
    START_WINDOW_OR_SKIP();
    click("Variation");
    EXPECT_TRUE(m_window->variationBoard().isVisible());
    EXPECT_EQ(m_window->variationBoard().windowTitle(), QStringLiteral("Variation Board"));
    m_window->variationBoard().close();
    EXPECT_FALSE(m_window->variationBoard().isVisible());
    click("Variation");
    EXPECT_TRUE(m_window->variationBoard().isVisible());
}
