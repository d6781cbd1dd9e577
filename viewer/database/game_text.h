#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Text rules of the viewer's windows that need neither the board nor a widget.
namespace game_text {

// What a game's tag lines say about a set-up position.
struct SetupPosition {
    bool isSetupGame = false; // a line contains SetUp "1"
    QString fen;              // from the Forsyth tag, else from the FEN tag; "" when none
};

// The set-up position of a game from its tag lines (CheckForForsyth). The position is
// the value of the first line beginning [Forsyth " or, when there is none, of the first
// line beginning [FEN "; a line merely containing the word elsewhere does not count.
SetupPosition checkForForsyth(const QStringList &tagLines);

// The text between the first and the second double quote; "" when there are fewer.
QString quotedValue(const QString &line);

// The player names found in a game-list entry (the tag lines joined by spaces); a name
// that is not found is left out.
struct PlayerNames {
    std::optional<QString> white;
    std::optional<QString> black;
};
PlayerNames playerNames(const QString &listEntry);

// The non-empty lines of a CR LF separated text, in order.
QStringList nonEmptyLines(const QString &text);

// Text boxes break lines at "\n", the board and the files at CR LF.
QString boxText(QString crlfText);
QString crlfText(QString boxText);

// The move-list box's text for a style: "A" annotated list cut after every comment,
// "P" one paragraph, anything else the list unchanged.
QString annotatedMoveList(const QString &moveListA);
QString paragraphMoveList(const QString &moveListP);

// The text HighlightCurrentMove searches: the move number and "." ("1." below 1).
QString moveNumberSearchText(int moveNumberMove);

// The second status panel for the ply on the board: the move just played, written after
// its move number as "12. Nf3" (White moved) or "12. ... Nf6" (Black moved); "" at ply 0.
QString lastMoveText(int ply, const QString &forsyth, int moveNumberMove, const QString &moveText);

// The whitespace-delimited word of text around the character position.
QString wordAt(const QString &text, int position, int *wordStart = nullptr);

// The ply a double-click on the word of the move-list box jumps to: 2n for move n, taken
// from a numeric word in style "P" and from the part before the first "." otherwise.
std::optional<qint16> jumpTargetPly(const QString &style, const QString &word);

} // namespace game_text
