#include "game_search.h"

#include "viewer/database/game_database.h"

#include <algorithm>

namespace pavisto {
namespace {

constexpr QByteArrayView CrLf("\r\n");
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

// The game-list entry from the tag lines: every non-empty line followed by a blank.
void listEntry(QByteArrayView tags, QByteArray &out)
{
    out.resize(0);
    while (!tags.isEmpty()) {
        qsizetype end = tags.indexOf(CrLf);
        const QByteArrayView line = end < 0 ? tags : tags.first(end);
        if (!line.isEmpty()) {
            out.append(line);
            out.append(' ');
        }
        tags = end < 0 ? QByteArrayView() : tags.sliced(end + CrLf.size());
    }
    if (out.isEmpty())
        out.append(NoTags);
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
    // Emptied, not cleared, so the buffers keep their room from game to game.
    m_text.resize(0);
    bool encoded = true;
    if (m_plainNeedle) {
        // Without blanks the search text matches the tag lines as it matches the list
        // entry that joins them with blanks.
        encoded = m_games.appendTagBytes(game, m_text, encoding);
        if (noTagLine(m_text)) {
            m_text.resize(0);
            m_text.append(NoTags);
        }
    } else {
        m_tags.resize(0);
        encoded = m_games.appendTagBytes(game, m_tags, encoding);
        listEntry(m_tags, m_text);
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
