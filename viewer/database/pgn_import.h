#pragma once

#include "game_database.h"

#include <QByteArray>

#include <functional>

namespace pavisto {

// Called before each game is looked for: the number of games imported so far and the
// percentage of the file read.
using ImportProgress = std::function<void(int count, int percent)>;

struct ImportResult {
    int count = 0;
    bool limitReached = false; // stopped after MaxGames games
};

// The percentage shown for `position` bytes read of `length`: the position rounded
// down to a multiple of 128, as a share of the length, rounded half to even.
int percentRead(qsizetype position, qsizetype length);

// Replaces the database with the games of a PGN file's bytes. The import only splits
// the text into tag sections and movetexts; it parses neither tags nor moves.
ImportResult importPgn(GameDatabase &games, QByteArray bytes, const ImportProgress &progress = {});

} // namespace pavisto
