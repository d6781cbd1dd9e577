#include "pgn_import.h"

#include "line_reader.h"

#include <cmath>

namespace pavisto {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A line of the file: its raw extent and its text without surrounding blanks.
struct Line {
    qsizetype begin = 0;
    qsizetype end = 0;
    QByteArrayView text;

    bool blank() const { return text.isEmpty(); }
    bool escape() const { return text.startsWith('%'); }
    bool numericStart() const { return !text.isEmpty() && isDigit(text.front()); }
    bool movetextStart() const { return text.startsWith('{') || numericStart(); }
    bool result() const
    {
        return text.endsWith("1/2-1/2") || text.endsWith("0-1") || text.endsWith("1-0") || text.endsWith('*');
    }
    bool loneResult() const { return text == "1/2-1/2" || text == "0-1" || text == "1-0" || text == "*"; }
};

class GameSplitter final {
public:
    explicit GameSplitter(QByteArrayView text) : m_reader(text) {}

    bool atEnd() const { return m_reader.atEnd(); }
    qsizetype position() const { return m_reader.position(); }

    Line read()
    {
        const QByteArrayView raw = m_reader.next();
        const qsizetype begin = m_reader.offsetOf(raw.data());
        return {begin, begin + raw.size(), trimBlanks(raw)};
    }

private:
    LineReader m_reader;
};

} // namespace

int percentRead(qsizetype position, qsizetype length)
{
    if (length <= 0)
        return 0;
    const double share = double(position / 128 * 128) / double(length) * 100.0;
    return int(std::nearbyint(share));
}

ImportResult importPgn(GameDatabase &games, QByteArray bytes, const ImportProgress &progress)
{
    const qsizetype length = bytes.size();
    const TextEncoding encoding = detectEncoding(bytes);
    games.adoptSource(std::move(bytes), encoding);
    QByteArrayView text = games.source();
    // A Ctrl-Z closing the file is an end-of-file mark, not a line of text.
    if (text.endsWith('\x1A'))
        text.chop(1);

    GameSplitter file(text);
    ImportResult result;
    // The line that ended a tag section when it neither was blank nor started a
    // movetext: it belongs to the next game, so it is kept for the next round.
    Line pending;
    bool hasPending = false;

    while (!file.atEnd() || hasPending) {
        if (progress)
            progress(result.count, percentRead(file.position(), length));

        Line first;
        bool found = hasPending && !pending.escape() && !pending.loneResult();
        if (found)
            first = pending;
        hasPending = false;
        while (!found && !file.atEnd()) {
            first = file.read();
            found = !first.blank() && !first.escape();
        }
        if (!found)
            break;

        ++result.count;
        GameDatabase::Span tags{first.begin, first.end};
        GameDatabase::Span moves;
        Line current = first;
        bool currentIsTag = true;
        if (!first.numericStart()) {
            while (!file.atEnd()) {
                const Line line = file.read();
                current = line;
                currentIsTag = !line.blank() && !line.numericStart();
                if (!currentIsTag)
                    break;
                tags.end = line.end;
            }
        }

        while (current.blank() && !file.atEnd()) {
            current = file.read();
            currentIsTag = false;
        }

        if (current.movetextStart()) {
            moves = {current.begin, current.end};
            while (!file.atEnd()) {
                const Line line = file.read();
                if (line.blank())
                    break;
                // Escape lines stay inside the span; they are left out when the
                // movetext is built from it.
                moves.end = line.end;
                if (line.result())
                    break;
            }
        } else if (!current.blank() && !currentIsTag) {
            pending = current;
            hasPending = true;
        }

        games.appendImported(tags, moves);
        if (result.count >= MaxGames) {
            result.limitReached = true;
            break;
        }
    }
    return result;
}

} // namespace pavisto
