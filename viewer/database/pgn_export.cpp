#include "pgn_export.h"

#include "file_io.h"
#include "line_reader.h"

#include <QIODevice>

namespace pavisto {
namespace {

const QString CrLf = QStringLiteral("\r\n");

// Bytes collected before they go to the file, so a large database is written in
// pieces instead of being built whole in memory.
constexpr qsizetype WriteChunk = 1 << 16;

// True when the text's first line, read back right after a game without moves, would
// not start a game of its own: a movetext start joins that game, a lone result is
// dropped with it.
bool joinsGameWithoutMoves(QByteArrayView text)
{
    const qsizetype lineEnd = text.indexOf("\r\n");
    const QByteArrayView line = trimBlanks(lineEnd < 0 ? text : text.first(lineEnd));
    const bool numericStart = !line.isEmpty() && line.front() >= '0' && line.front() <= '9';
    return numericStart || line.startsWith('{') || line == "*" || line == "1-0" || line == "0-1"
        || line == "1/2-1/2";
}

} // namespace

QString withCrLf(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 32);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            out += CrLf;
        } else if (c == QLatin1Char('\n')) {
            out += CrLf;
        } else {
            out += c;
        }
    }
    return out;
}

QString savedGameTags(const QStringList &tagLines)
{
    QString tags;
    for (const QString &line : tagLines)
        tags += line + CrLf;
    return tags + CrLf;
}

QString savedGameMoves(const QString &annotatedMoveList)
{
    return withCrLf(annotatedMoveList) + CrLf;
}

QString gameFileText(const QStringList &tagLines, const QString &moveListText)
{
    return savedGameTags(tagLines) + withCrLf(moveListText) + CrLf;
}

TextEncoding databaseWriteEncoding(const GameDatabase &games)
{
    return games.canWrite(games.encoding()) ? games.encoding() : TextEncoding::Utf8;
}

void writeDatabase(const GameDatabase &games, TextEncoding encoding, QIODevice &out)
{
    QByteArray chunk;
    chunk.reserve(WriteChunk + 4096);
    if (encoding == TextEncoding::Utf8Bom)
        chunk.append(Utf8ByteOrderMark);
    bool atFileStart = true;
    bool previousWithoutMoves = false;
    for (int game = 1; game <= games.count(); ++game) {
        if (games.isDeleted(game))
            continue;
        const qsizetype gameAt = chunk.size();
        if (games.hasTagSection(game))
            games.appendTagBytes(game, chunk, encoding);
        qsizetype movesAt = chunk.size();
        games.appendMoveBytes(game, chunk, encoding);
        const bool withoutMoves = chunk.size() == movesAt;
        // A game that would read back differently gets a line in front of it: a lone
        // result closes a game without moves that its first line would otherwise join,
        // and an empty line keeps a first game's leading mark bytes from being skipped
        // as the byte-order mark of a file that has none.
        QByteArrayView lead;
        if (previousWithoutMoves && joinsGameWithoutMoves(chunk.sliced(gameAt)))
            lead = "*\r\n\r\n";
        else if (atFileStart && encoding != TextEncoding::Utf8Bom && chunk.startsWith(Utf8ByteOrderMark))
            lead = "\r\n";
        chunk.insert(gameAt, lead);
        movesAt += lead.size();
        atFileStart = false;
        previousWithoutMoves = withoutMoves;
        // A movetext that opens with a comment would be read back as the last line of
        // the tag section unless an empty line parts the two.
        if (chunk.sliced(movesAt).startsWith('{') && !chunk.sliced(0, movesAt).endsWith("\r\n\r\n"))
            chunk.insert(movesAt, "\r\n");
        chunk.append("\r\n");
        if (chunk.size() >= WriteChunk) {
            if (!writeAll(out, chunk))
                return;
            chunk.clear();
        }
    }
    writeAll(out, chunk);
}

std::optional<QString> saveDatabase(GameDatabase &games, const QString &path)
{
    const TextEncoding encoding = databaseWriteEncoding(games);
    std::optional<QString> error =
        writeFileAtomically(path, [&](QIODevice &out) { writeDatabase(games, encoding, out); });
    if (!error)
        games.setEncoding(encoding);
    return error;
}

std::optional<QString> saveText(const QString &text, TextEncoding encoding, const QString &path)
{
    std::optional<QByteArray> bytes = encodeText(text, encoding);
    if (!bytes) {
        encoding = TextEncoding::Utf8;
        bytes = encodeText(text, encoding);
    }
    if (encoding == TextEncoding::Utf8Bom)
        bytes->prepend(Utf8ByteOrderMark.data(), Utf8ByteOrderMark.size());
    return writeFileAtomically(path, [&](QIODevice &out) { writeAll(out, *bytes); });
}

} // namespace pavisto
