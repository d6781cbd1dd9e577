#include "game_search.h"

#include "viewer/database/game_database.h"

#include <algorithm>

namespace pavisto {
namespace {

constexpr QByteArrayView NoTags("??? No Tags Found ???");

// Lower-cases ASCII letters in place; true when a byte outside ASCII was seen. Written
// without branches, so the compiler can run it over many bytes at once.
bool lowerAscii(QByteArray &bytes)
{
    auto *p = reinterpret_cast<unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    unsigned char seen = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char c = p[i];
        seen |= c;
        p[i] = static_cast<unsigned char>(c + (static_cast<unsigned char>(c - 'A') < 26 ? 0x20 : 0));
    }
    return (seen & 0x80) != 0;
}

// True when the tag lines are all empty, so the game is listed as NoTags.
bool noTagLine(QByteArrayView tags)
{
    const auto lineBreak = [](char c) { return c == '\r' || c == '\n'; };
    return tags.isEmpty() || (lineBreak(tags.front()) && std::all_of(tags.begin(), tags.end(), lineBreak));
}

// Turns the tag lines into the game-list entry, in place: every non-empty line
// followed by one blank, NoTags when there is none.
void joinTagLines(QByteArray &bytes)
{
    char *const begin = bytes.data();
    const char *const end = bytes.data() + bytes.size();
    char *out = begin;
    const char *lineStart = begin;
    for (const char *in = begin; in < end;) {
        if (in[0] == '\r' && in + 1 < end && in[1] == '\n') {
            if (in != lineStart)
                *out++ = ' ';
            in += 2;
            lineStart = in;
            continue;
        }
        *out++ = *in++;
    }
    if (lineStart != end)
        *out++ = ' ';
    bytes.resize(out - begin);
    if (out == begin)
        bytes.append(NoTags);
}

} // namespace

SearchRange searchRange(FindCommand command, int selected, int count)
{
    switch (command) {
    case FindCommand::First:
        return {0, count - 1, 1};
    case FindCommand::Last:
        return {count - 1, 0, -1};
    case FindCommand::Next:
        return {selected < 0 ? 0 : selected + 1, count - 1, 1};
    case FindCommand::Previous:
        return selected < 0 ? SearchRange{} : SearchRange{selected - 1, 0, -1};
    }
    return {};
}

GameSearch::GameSearch(const GameDatabase &games, const QString &text)
    : m_games(games), m_folded(text.toCaseFolded())
{
    const bool ascii = std::all_of(m_folded.cbegin(), m_folded.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        m_needle = m_folded.toLatin1();
    m_matcher.setPattern(m_needle);
    m_bytesPath = !m_folded.contains(QLatin1Char('\r')) && !m_folded.contains(QLatin1Char('\n'));
    m_plainNeedle = !m_folded.contains(QLatin1Char(' '));
}

bool GameSearch::decodedMatches(int game) const
{
    return m_games.listText(game).contains(m_folded, Qt::CaseInsensitive)
        || m_games.moves(game).contains(m_folded, Qt::CaseInsensitive);
}

// The tag lines and the movetext are searched as one text with a line feed between
// them, which no search text of the bytes path contains, so no match spans both.
bool GameSearch::matches(int game)
{
    if (!m_games.contains(game))
        return false;
    if (m_folded.isEmpty())
        return true;
    if (!m_bytesPath)
        return decodedMatches(game);
    const TextEncoding encoding = m_games.encoding();
    // Emptied, not cleared, so the buffer keeps its room from game to game.
    m_text.resize(0);
    const bool encoded = m_games.appendTagBytes(game, m_text, encoding);
    if (!m_plainNeedle) {
        joinTagLines(m_text);
    } else if (noTagLine(m_text)) {
        // Without blanks the search text matches the tag lines as it matches the list
        // entry that joins them, except for a game listed without tags.
        m_text.resize(0);
        m_text.append(NoTags);
    }
    m_text.append('\n');
    if (!encoded || !m_games.appendMoveBytes(game, m_text, encoding))
        return decodedMatches(game);

    const bool wide = lowerAscii(m_text);
    if (!m_needle.isEmpty() && m_matcher.indexIn(QByteArrayView(m_text)) >= 0)
        return true;
    // Characters outside ASCII may still match through their case folding (a search
    // text outside ASCII can match nothing else), so only those games are decoded.
    return wide && decodedMatches(game);
}

int GameSearch::find(const SearchRange &range)
{
    if (range.isEmpty())
        return -1;
    for (int position = range.first;; position += range.step) {
        if (matches(position + 1))
            return position;
        if (position == range.last)
            return -1;
    }
}

} // namespace pavisto
