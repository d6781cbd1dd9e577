#pragma once

#include "command_line.h"

#include "viewer/database/game_database.h"

#include <QString>

#include <optional>

// Exit statuses of the program.
inline constexpr int ExitDone = 0;
inline constexpr int ExitGamesFailed = 1; // a game did not replay, or nothing was written
inline constexpr int ExitBadInput = 2;

// Prints "pgnreplay: " and the message on standard error.
void printError(const QString &message);

// Reads and imports a PGN file as Open does; the reason when it cannot be read.
std::optional<QString> importFile(const QString &path, pavisto::GameDatabase &games);

// The modes; each returns the exit status.
int runCheck(const Options &options);
int runPlies(const Options &options);
int runPlay(const Options &options);
int runSaveAll(const Options &options);
