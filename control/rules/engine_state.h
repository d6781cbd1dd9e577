#pragma once

#include "piece_code.h"

#include <array>
#include <cstdint>
#include <string>

namespace tolvar {

// The control's twelve events, numbered by their event identifiers.
enum class EngineEvent : int {
    DblClick = 1,
    Click = 2,
    LoadMoveComplete = 3,
    LoadGameComplete = 4,
    LoadSetupComplete = 5,
    LoadFENComplete = 6,
    MoveComplete = 7,
    MoveFirstComplete = 8,
    MoveLastComplete = 9,
    MoveNextComplete = 10,
    MovePreviousComplete = 11,
    GameInitialize = 12,
};

// One entry of the game record: the position after a ply and what belongs to it.
struct PlyRecord {
    std::array<PieceCode, 65> Squares{};  // by square index 1..64; [0] unused
    char Reserved = '\0';
    std::string EPSquare = "-";
    std::int16_t HalfmoveClock = 0;
    std::string CastleRights = "-";
    std::string MoveSAN;
    std::int16_t PlyIndex = 0;
    std::string MoveNumberText = "0";
    std::int16_t MoveNumberMove = 0;
    std::string Annotation;
    std::string Fen;
};

inline constexpr int MaxPly = 500;
inline constexpr std::string_view StartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

} // namespace tolvar
