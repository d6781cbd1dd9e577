#pragma once

#include "control/rules/rules_engine.h"

#include <cctype>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tolvar::testing {

// Plays one SAN token the way the game record replays a ply: the token goes into the next
// entry, the position of the current entry is restored into Board, and after a made move
// the side to move flips and the cells are captured as the new ply. True when made.
inline bool playSan(RulesEngine &engine, std::string_view san)
{
    engine.PlyRecords[engine.Ply + 1].MoveSAN = san;
    engine.PendingEPSquare = "-";
    engine.PGNForwardHT();
    engine.PromotionPending = false;
    engine.ForwardOneMove();
    if (!engine.MoveLegal)
        return false;
    ++engine.Ply;
    engine.OnMove = engine.OnMove == 'W' ? 'B' : 'W';
    engine.PlyRecords[engine.Ply].EPSquare = engine.PendingEPSquare;
    engine.PlyRecords[engine.Ply].HalfmoveClock = 0;
    engine.Hashtable();
    return true;
}

// A fresh engine showing the position of a FEN text as a new game.
inline std::unique_ptr<RulesEngine> engineAt(const std::string &fen)
{
    auto engine = std::make_unique<RulesEngine>();
    engine->LoadFEN(fen);
    return engine;
}

// Fills the move-in-progress fields as a drop of the piece on `from` onto `to` does.
inline void prepareDrop(RulesEngine &engine, std::string_view from, std::string_view to)
{
    engine.FromFile = static_cast<std::int16_t>(fileNumber(from[0]));
    engine.FromRank = static_cast<std::int16_t>(rankNumber(from[1]));
    engine.ToFile = static_cast<std::int16_t>(fileNumber(to[0]));
    engine.ToRank = static_cast<std::int16_t>(rankNumber(to[1]));
    engine.FromIndex = static_cast<std::int16_t>(squareIndex(engine.FromFile, engine.FromRank));
    engine.ToIndex = static_cast<std::int16_t>(squareIndex(engine.ToFile, engine.ToRank));
    engine.FromSquareName = from;
    engine.ToSquareName = to;
    engine.FromFileLetter = from[0];
    engine.FromFileText = std::string(1, from[0]);
    engine.ToFileLetter = to[0];
    const PieceCode source = engine.picBoard[engine.FromIndex].Tag;
    const PieceCode target = engine.picBoard[engine.ToIndex].Tag;
    engine.MoverColor = source.color();
    engine.MovePiece = source.piece();
    engine.TargetColor = target.color();
    engine.TargetPiece = target.isEmpty() ? 'E' : target.piece();
    engine.MoveLegal = false;
    engine.PromotionPending = false;
}

// Runs the piece rule and then the check test for a drop, as the move entry does; true
// when the move may be made.
inline bool ruleAccepts(RulesEngine &engine, std::string_view from, std::string_view to)
{
    prepareDrop(engine, from, to);
    switch (engine.MovePiece) {
    case 'p': engine.Pawn(); break;
    case 'N': engine.Knight(); break;
    case 'B': engine.Bishop(); break;
    case 'R': engine.Rook(); break;
    case 'Q': engine.Queen(); break;
    case 'K':
        engine.King();
        return engine.MoveLegal && engine.KingsAdjacent == 'N'
               && !(engine.OnMove == 'W' ? engine.WhiteInCheck : engine.BlackInCheck);
    default: return false;
    }
    engine.CheckForCheck();
    return engine.MoveLegal && !(engine.OnMove == 'W' ? engine.WhiteInCheck : engine.BlackInCheck);
}

// The placement field of the FEN of the cells.
inline std::string placement(RulesEngine &engine)
{
    engine.WriteForsyth();
    return engine.Forsyth.substr(0, engine.Forsyth.find(' '));
}

struct GameMoves {
    std::string fen;  // empty for the standard start position
    std::vector<std::string> moves;
};

// Reads the main line of every game of a PGN file crudely: tag pairs give the FEN of a
// set-up game; comments, variations, NAGs, move numbers and results are skipped.
inline std::vector<GameMoves> readPgnGames(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = buffer.str();

    std::vector<GameMoves> games;
    GameMoves current;
    bool inMoves = false;
    const auto finish = [&] {
        if (!current.moves.empty() || !current.fen.empty())
            games.push_back(current);
        current = {};
        inMoves = false;
    };
    std::size_t i = 0;
    int variationDepth = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '[' && variationDepth == 0 && (i == 0 || text[i - 1] == '\n')) {
            if (inMoves)
                finish();
            const std::size_t end = text.find('\n', i);
            const std::string line = text.substr(i, end == std::string::npos ? std::string::npos : end - i);
            if (line.starts_with("[FEN \"")) {
                const std::size_t close = line.find('"', 6);
                current.fen = line.substr(6, close - 6);
            }
            i = end == std::string::npos ? text.size() : end + 1;
            continue;
        }
        if (c == '{') {
            const std::size_t end = text.find('}', i);
            i = end == std::string::npos ? text.size() : end + 1;
            continue;
        }
        if (c == ';' || (c == '%' && (i == 0 || text[i - 1] == '\n'))) {
            const std::size_t end = text.find('\n', i);
            i = end == std::string::npos ? text.size() : end + 1;
            continue;
        }
        if (c == '(') {
            ++variationDepth;
            ++i;
            continue;
        }
        if (c == ')') {
            --variationDepth;
            ++i;
            continue;
        }
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])) && text[end] != '{'
               && text[end] != '(' && text[end] != ')' && text[end] != ';')
            ++end;
        std::string token = text.substr(i, end - i);
        i = end;
        if (variationDepth > 0)
            continue;
        inMoves = true;
        if (token == "1-0" || token == "0-1" || token == "1/2-1/2" || token == "*") {
            finish();
            continue;
        }
        if (token[0] == '$')
            continue;
        // "12.", "12...", "12.e4"
        std::size_t digits = 0;
        while (digits < token.size() && std::isdigit(static_cast<unsigned char>(token[digits])))
            ++digits;
        if (digits > 0 && digits < token.size() && token[digits] == '.') {
            while (digits < token.size() && token[digits] == '.')
                ++digits;
            token = token.substr(digits);
        } else if (digits == token.size()) {
            continue;
        }
        while (!token.empty() && (token.back() == '!' || token.back() == '?'))
            token.pop_back();
        if (!token.empty())
            current.moves.push_back(token);
    }
    finish();
    return games;
}

} // namespace tolvar::testing
