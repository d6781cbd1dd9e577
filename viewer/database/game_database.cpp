#include "game_database.h"

#include "line_reader.h"

namespace pavisto {
namespace {

bool sameBytes(TextEncoding a, TextEncoding b)
{
    return (a == TextEncoding::Windows1252) == (b == TextEncoding::Windows1252);
}

// Imported text as the database stores it: every tag line trimmed and followed by
// CR LF; every movetext line trimmed and followed by one space and CR LF, escape
// lines left out.
void appendNormalized(QByteArray &out, QByteArrayView span, bool moves)
{
    LineReader reader(span, false);
    while (!reader.atEnd()) {
        const QByteArrayView line = trimBlanks(reader.next());
        if (moves && line.startsWith('%'))
            continue;
        out.append(line);
        out.append(moves ? " \r\n" : "\r\n");
    }
}

QByteArray normalizedLines(QByteArrayView span, bool moves)
{
    QByteArray out;
    out.reserve(span.size() + 64);
    appendNormalized(out, span, moves);
    return out;
}

} // namespace

void GameDatabase::clear(TextEncoding encoding)
{
    m_allocated = true;
    m_encoding = encoding;
    m_sourceEncoding = encoding;
    m_source.clear();
    m_entries.clear();
    m_owned.clear();
}

void GameDatabase::adoptSource(QByteArray bytes, TextEncoding encoding)
{
    clear(encoding);
    m_source = std::move(bytes);
}

void GameDatabase::appendImported(Span tags, Span moves)
{
    m_entries.push_back({tags, moves, -1, false});
}

int GameDatabase::appendGame(const QString &tags, const QString &moves)
{
    if (!m_allocated)
        clear();
    m_entries.push_back({{}, {}, qint32(m_owned.size()), false});
    m_owned.append({tags, moves});
    return count();
}

void GameDatabase::replaceGame(int game, const QString &tags, const QString &moves)
{
    if (!contains(game))
        return;
    Entry &e = m_entries[game - 1];
    if (e.owned < 0) {
        e.owned = qint32(m_owned.size());
        m_owned.append(OwnedText{});
    }
    m_owned[e.owned] = {tags, moves};
}

QByteArrayView GameDatabase::spanBytes(Span span) const
{
    return QByteArrayView(m_source.constData() + span.begin, span.end - span.begin);
}

bool GameDatabase::hasTagSection(int game) const
{
    const Entry *e = entry(game);
    if (!e)
        return false;
    char first = 0;
    if (e->owned >= 0) {
        const QString &tags = m_owned[e->owned].tags;
        first = tags.isEmpty() ? 0 : tags.front().toLatin1();
    } else {
        const QByteArrayView text = trimBlanks(spanBytes(e->tags));
        first = text.isEmpty() ? 0 : text.front();
    }
    return !(first >= '0' && first <= '9');
}

const GameDatabase::Entry *GameDatabase::entry(int game) const
{
    return contains(game) ? &m_entries[game - 1] : nullptr;
}

GameRecord GameDatabase::record(int game) const
{
    return {tags(game), moves(game), isDeleted(game)};
}

QString GameDatabase::tags(int game) const
{
    const Entry *e = entry(game);
    if (!e)
        return {};
    if (e->owned >= 0)
        return m_owned[e->owned].tags;
    return decodeText(normalizedLines(spanBytes(e->tags), false), m_sourceEncoding);
}

QString GameDatabase::moves(int game) const
{
    const Entry *e = entry(game);
    if (!e)
        return {};
    if (e->owned >= 0)
        return m_owned[e->owned].moves;
    return decodeText(normalizedLines(spanBytes(e->moves), true), m_sourceEncoding);
}

bool GameDatabase::isDeleted(int game) const
{
    const Entry *e = entry(game);
    return e && e->deleted;
}

void GameDatabase::setDeleted(int game, bool deleted)
{
    if (contains(game))
        m_entries[game - 1].deleted = deleted;
}

QString GameDatabase::listText(int game) const
{
    const Entry *e = entry(game);
    if (!e)
        return {};
    QString text;
    if (e->owned >= 0) {
        const QStringList lines = m_owned[e->owned].tags.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        for (const QString &line : lines)
            text += line + QLatin1Char(' ');
    } else {
        QByteArray bytes;
        LineReader reader(spanBytes(e->tags), false);
        while (!reader.atEnd()) {
            const QByteArrayView line = trimBlanks(reader.next());
            if (!line.isEmpty()) {
                bytes.append(line);
                bytes.append(' ');
            }
        }
        text = decodeText(bytes, m_sourceEncoding);
    }
    return text.isEmpty() ? QStringLiteral("??? No Tags Found ???") : text;
}

bool GameDatabase::appendBytes(int game, QByteArray &out, TextEncoding target, bool moves) const
{
    const Entry *e = entry(game);
    if (!e)
        return true;
    if (e->owned >= 0) {
        const OwnedText &owned = m_owned[e->owned];
        const std::optional<QByteArray> bytes = encodeText(moves ? owned.moves : owned.tags, target);
        if (!bytes)
            return false;
        out.append(*bytes);
        return true;
    }
    const QByteArrayView span = spanBytes(moves ? e->moves : e->tags);
    if (sameBytes(m_sourceEncoding, target)) {
        appendNormalized(out, span, moves);
        return true;
    }
    const std::optional<QByteArray> converted =
        encodeText(decodeText(normalizedLines(span, moves), m_sourceEncoding), target);
    if (!converted)
        return false;
    out.append(*converted);
    return true;
}

bool GameDatabase::appendTagBytes(int game, QByteArray &out, TextEncoding target) const
{
    return appendBytes(game, out, target, false);
}

bool GameDatabase::appendMoveBytes(int game, QByteArray &out, TextEncoding target) const
{
    return appendBytes(game, out, target, true);
}

bool GameDatabase::canWrite(TextEncoding target) const
{
    // Imported bytes only need checking when they would change encoding.
    const bool checkImported = !sameBytes(m_sourceEncoding, target);
    QByteArray scratch;
    for (int game = 1; game <= count(); ++game) {
        const Entry &e = m_entries[game - 1];
        if (e.deleted || (e.owned < 0 && !checkImported))
            continue;
        scratch.clear();
        if (!appendTagBytes(game, scratch, target) || !appendMoveBytes(game, scratch, target))
            return false;
    }
    return true;
}

qsizetype GameDatabase::memoryUsage() const
{
    qsizetype bytes = m_source.capacity() + qsizetype(m_entries.capacity() * sizeof(Entry));
    for (const OwnedText &owned : m_owned)
        bytes += (owned.tags.capacity() + owned.moves.capacity()) * qsizetype(sizeof(QChar));
    return bytes;
}

} // namespace pavisto
