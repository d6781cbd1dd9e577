#include "game_search.h"

#include "viewer/database/game_database.h"

#include <algorithm>

namespace pavisto {
namespace {

constexpr QByteArrayView CrLf("\r\n");
constexpr QByteArrayView NoTags("??? No Tags Found ???");

// Lower-cases ASCII letters in place; true when a byte outside ASCII was seen.
bool lowerAscii(QByteArray &bytes)
{
    bool wide = false;
    for (char &c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80)
            wide = true;
        else if (byte >= 'A' && byte <= 'Z')
            c = char(byte + ('a' - 'A'));
    }
    return wide;
}

// The game-list entry from the tag lines: every non-empty line followed by a blank.
void listEntry(QByteArrayView tags, QByteArray &out)
{
    out.clear();
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
}

bool GameSearch::decodedMatches(int game) const
{
    return m_games.listText(game).contains(m_folded, Qt::CaseInsensitive)
        || m_games.moves(game).contains(m_folded, Qt::CaseInsensitive);
}

bool GameSearch::matches(int game)
{
    if (!m_games.contains(game))
        return false;
    if (m_folded.isEmpty())
        return true;
    const TextEncoding encoding = m_games.encoding();
    m_tags.clear();
    m_moves.clear();
    if (!m_games.appendTagBytes(game, m_tags, encoding) || !m_games.appendMoveBytes(game, m_moves, encoding))
        return decodedMatches(game);
    listEntry(m_tags, m_entry);

    bool undecided = false;
    for (QByteArray *text : {&m_entry, &m_moves}) {
        const bool wide = lowerAscii(*text);
        if (!m_needle.isEmpty() && QByteArrayView(*text).contains(m_needle))
            return true;
        undecided = undecided || wide;
    }
    // Characters outside ASCII may still match through their case folding (a search
    // text outside ASCII can match nothing else), so only those games are decoded.
    return undecided && decodedMatches(game);
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
