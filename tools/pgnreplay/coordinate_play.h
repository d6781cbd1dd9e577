#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

// A move in coordinate form, "e2e4" or "e7e8n": cells as the board indexes them.
struct CoordinateMove {
    QString text;
    int fromIndex = 0;
    int toIndex = 0;
    char promotion = '\0'; // 'Q', 'R', 'B' or 'N'; '\0' when none is given
};

// The move of a coordinate text, nothing when it is not one.
std::optional<CoordinateMove> parseCoordinateMove(const QString &text);

// What the board made of one move.
struct PlayedMove {
    QString move;
    bool accepted = false;
    std::string moveText;   // MoveText after the drop
    std::string forsyth;    // the position shown, as WriteForsyth writes it
    std::string gameResult;
};

// Plays the moves one after the other as drops of a piece from its cell onto the
// target cell, from the standard position or the FEN. Every move sets PromotionPiece
// first: its promotion letter, or Q when it has none. Fails with the reason when the
// board could not read the FEN.
struct PlayResult {
    std::vector<PlayedMove> moves;
    std::optional<QString> error;
};
PlayResult playMoves(const std::optional<std::string> &fen, const std::vector<CoordinateMove> &moves);
