#pragma once

#include <QByteArray>
#include <QByteArrayMatcher>
#include <QString>

namespace pavisto {

class GameDatabase;

// The four Find commands.
enum class FindCommand { First, Next, Previous, Last };

// The game-list positions a command visits, from `first` to `last` by `step`.
struct SearchRange {
    int first = 0;
    int last = -1;
    int step = 1;

    bool isEmpty() const { return step > 0 ? first > last : first < last; }
};

// The positions of `command` in a list of `count` entries with `selected` the current
// position (-1 for none). No wrap-around: Next stops at the last entry, Previous at
// the first, and Previous with nothing selected visits nothing.
SearchRange searchRange(FindCommand command, int selected, int count);

// Tests games for a search text, ignoring letter case: a game matches when its
// game-list entry or its movetext contains the text. Works on the database's bytes and
// decodes a game only when it holds characters outside ASCII that could still match.
class GameSearch final {
public:
    GameSearch(const GameDatabase &games, const QString &text);

    // Game number 1..N.
    bool matches(int game);
    // The first list position of the range whose game matches, or -1.
    int find(const SearchRange &range);

private:
    bool decodedMatches(int game) const;

    const GameDatabase &m_games;
    QString m_folded;      // the search text, case-folded
    QByteArray m_needle;   // the same as ASCII bytes, when it is ASCII
    QByteArrayMatcher m_matcher;
    bool m_bytesPath = true;   // no line break in the text: the bytes can be searched
    bool m_plainNeedle = true; // no blank either: the tag lines need no joining
    QByteArray m_text;         // the game's texts, reused from game to game
};

} // namespace pavisto
