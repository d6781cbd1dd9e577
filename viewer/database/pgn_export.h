#pragma once

#include "game_database.h"

#include <QStringList>

#include <optional>

class QIODevice;

namespace pavisto {

// The text with every line end (CR LF, lone CR, lone LF) made CR LF.
QString withCrLf(const QString &text);

// `Tags` of a game saved from the board: every tag-list line followed by CR LF, then
// one more CR LF.
QString savedGameTags(const QStringList &tagLines);

// `Moves` of a game saved from the board: the annotated move list followed by CR LF.
QString savedGameMoves(const QString &annotatedMoveList);

// The file Save Game As writes: the tag lines, an empty line, the move-list text as
// shown, CR LF.
QString gameFileText(const QStringList &tagLines, const QString &moveListText);

// The encoding a database file is written in: the database's own, or UTF-8 when a
// game saved from the board holds a character that encoding lacks.
TextEncoding databaseWriteEncoding(const GameDatabase &games);

// Writes every game not marked deleted, in order: its Tags, its Moves, CR LF. So that
// the file reads back into the same games, a game without tags is written from its
// movetext alone (its first line is not doubled), and a movetext that opens with a
// comment is parted from the tags by an empty line.
void writeDatabase(const GameDatabase &games, TextEncoding encoding, QIODevice &out);

// Save All's write: returns the failure's description, nothing on success (the
// database then keeps the encoding written).
std::optional<QString> saveDatabase(GameDatabase &games, const QString &path);

// Writes one text file in `encoding`, or UTF-8 when the text does not fit it.
std::optional<QString> saveText(const QString &text, TextEncoding encoding, const QString &path);

} // namespace pavisto
