#pragma once

#include "control/game/game_engine.h"
#include "platform/scripted_prompts.h"
#include "viewer/database/game_database.h"

#include <string>

// What became of one game replayed as Load Game replays it.
struct ReplayOutcome {
    bool loaded = false;      // the board took the game (it ignores an empty movetext or FEN)
    int plies = 0;            // plies stored in the board's record
    bool importError = false; // a move was not made, or the set-up position was not read
    // The first ply that failed and its token; ply 0 is the set-up position, whose
    // token is then the FEN text, or "(no FEN)" when the tags hold none; ply 501 with
    // "(record full)" is a movetext longer than the board's 500 plies.
    int failedPly = 0;
    std::string failedToken;
};

// Replays games of a database on one board engine, reused from game to game. The
// engine's prompts are recorded silently while a game loads.
class GameReplay final {
public:
    GameReplay();
    GameReplay(const GameReplay &) = delete;
    GameReplay &operator=(const GameReplay &) = delete;

    // Loads game `game` (1..N) onto the board: LoadSetup for a set-up game, else
    // LoadGame, with the position taken from the tags as Load Game takes it.
    ReplayOutcome replay(const pavisto::GameDatabase &games, int game);

    // The board after the last replay.
    const tolvar::GameEngine &engine() const { return m_engine; }

private:
    // True when the board showed a message with this title during the last replay.
    bool prompted(const QString &title) const;
    // The first ply whose position equals the one before it: a move that was not made.
    int firstUnmadePly() const;

    tolvar::GameEngine m_engine;
    platform::ScriptedPrompts m_prompts;
    bool m_completed = false;
};
