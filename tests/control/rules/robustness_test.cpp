#include "replay_support.h"

#include "platform/scripted_prompts.h"

#include <gtest/gtest.h>

#include <random>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

bool cellsHoldPieceCodes(const RulesEngine &engine)
{
    for (int index = 1; index <= 64; ++index) {
        const PieceCode code = engine.picBoard[index].Tag;
        if (!code.isEmpty() && std::string_view("WB").find(code.color()) == std::string_view::npos)
            return false;
    }
    return true;
}

std::string randomText(std::mt19937 &random, std::string_view alphabet, std::size_t maxLength)
{
    std::string text(random() % (maxLength + 1), ' ');
    for (char &c : text)
        c = alphabet[random() % alphabet.size()];
    return text;
}

// Random tokens against real positions never crash, never read off the board (run under
// the sanitizers) and never leave anything but piece codes on the cells.
TEST(Robustness, RandomTokensAndFenTexts)
{
    platform::ScriptedPrompts prompts;
    std::mt19937 random(20261211);
    const char *positions[] = {
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
        "r3k2r/pPpp1ppp/8/3Pp3/8/8/PPP2pPP/R3K2R w KQkq e6 0 10",
        "r3k2r/pPpp1ppp/8/8/3pP3/8/PPP2pPP/R3K2R b KQkq e3 0 10",
        "8/8/8/8/8/8/8/8 w KQkq e3 0 1",
        "K7/8/8/8/8/8/8/7k b - - 0 1",
    };
    auto engine = std::make_unique<RulesEngine>();
    for (int round = 0; round < 4000; ++round) {
        engine->LoadFEN(positions[round % std::size(positions)]);
        for (int move = 0; move < 6; ++move)
            playSan(*engine, randomText(random, "KQRBNPkqrbnpabcdefghi0123456789x=+#-Oo!?*", 8));
        ASSERT_TRUE(cellsHoldPieceCodes(*engine)) << round;
        engine->Forsyth = randomText(random, "KQRBNPkqrbnp/0123456789 wb-KQkqe3x", 90);
        engine->ReadForsyth();
        engine->WriteForsyth();
        ASSERT_TRUE(cellsHoldPieceCodes(*engine)) << engine->Forsyth;
    }
}

// Move fields set from outside (the procedures are public members) never lead a test off
// the board.
TEST(Robustness, ProceduresWithOutOfRangeFields)
{
    auto engine = std::make_unique<RulesEngine>();
    for (const int value : {-40, 0, 9, 300}) {
        engine->FromFile = engine->FromRank = engine->ToFile = engine->ToRank = static_cast<std::int16_t>(value);
        engine->TestFile = engine->TestRank = engine->CheckerFile = engine->CheckerRank = static_cast<std::int16_t>(value);
        engine->RivalFile = engine->RivalRank = engine->RivalTargetFile = engine->RivalTargetRank =
            static_cast<std::int16_t>(value);
        engine->Ply = static_cast<std::int16_t>(value * 10);
        engine->MovePiece = 'p';
        engine->MoverColor = 'W';
        for (void (RulesEngine::*procedure)() :
             {&RulesEngine::Pawn, &RulesEngine::Knight, &RulesEngine::Bishop, &RulesEngine::Rook, &RulesEngine::Queen,
              &RulesEngine::King, &RulesEngine::CheckForCheck, &RulesEngine::WhiteChecksBlack,
              &RulesEngine::BlackChecksWhite, &RulesEngine::WChecksBAgain, &RulesEngine::BChecksWAgain,
              &RulesEngine::WKingNextToKing, &RulesEngine::BKingNextToKing, &RulesEngine::CheckKingNextToKing,
              &RulesEngine::BlackBlocksCheck, &RulesEngine::WhiteBlocksCheck, &RulesEngine::CForCpawn,
              &RulesEngine::CForCKnight, &RulesEngine::CForCBishop, &RulesEngine::CForCRook, &RulesEngine::CForCQueen,
              &RulesEngine::CForCKing, &RulesEngine::CheckForMate, &RulesEngine::CheckOtherPiece,
              &RulesEngine::CheckOtherQueen, &RulesEngine::CheckOtherRook, &RulesEngine::CheckOtherBishop,
              &RulesEngine::CheckOtherKnight, &RulesEngine::Hashtable, &RulesEngine::PGNForwardHT,
              &RulesEngine::WriteForsyth, &RulesEngine::UpdateCastleOption, &RulesEngine::ForwardOneMove,
              &RulesEngine::DoPGNMove, &RulesEngine::PGNPromotePiece, &RulesEngine::EvaluatePositionForCheck})
            (engine.get()->*procedure)();
    }
    SUCCEED();
}

} // namespace
