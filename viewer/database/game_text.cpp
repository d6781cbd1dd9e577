#include "game_text.h"

#include <cmath>

namespace game_text {
namespace {

const QString crlf = QStringLiteral("\r\n");

// The first line that begins with the prefix, ignoring leading blanks.
const QString *firstLineStartingWith(const QStringList &lines, QLatin1String prefix)
{
    for (const QString &line : lines) {
        if (line.trimmed().startsWith(prefix))
            return &line;
    }
    return nullptr;
}

// A number as the box's double-click gives it: digits with at most one decimal point,
// a trailing point allowed ("12."), optionally signed and surrounded by blanks.
std::optional<double> numericValue(const QString &text)
{
    QString trimmed = text.trimmed();
    if (trimmed.endsWith(QLatin1Char('.')))
        trimmed.chop(1);
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint16> doublePly(double moveNumber)
{
    const double ply = std::nearbyint(moveNumber * 2); // ties to even
    if (ply < -32768 || ply > 32767)
        return std::nullopt;
    return qint16(ply);
}

} // namespace

QString boxText(QString crlfText)
{
    return crlfText.replace(crlf, QStringLiteral("\n"));
}

QString crlfText(QString boxText)
{
    return boxText.replace(QLatin1Char('\n'), crlf);
}

SetupPosition checkForForsyth(const QStringList &tagLines)
{
    SetupPosition result;
    for (const QString &line : tagLines) {
        if (line.contains(QLatin1String("SetUp \"1\""))) {
            result.isSetupGame = true;
            break;
        }
    }
    if (!result.isSetupGame)
        return result;
    const QString *line = firstLineStartingWith(tagLines, QLatin1String("[Forsyth \""));
    if (!line)
        line = firstLineStartingWith(tagLines, QLatin1String("[FEN \""));
    if (line)
        result.fen = quotedValue(*line);
    return result;
}

QString quotedValue(const QString &line)
{
    const qsizetype first = line.indexOf(QLatin1Char('"'));
    if (first < 0)
        return {};
    const qsizetype second = line.indexOf(QLatin1Char('"'), first + 1);
    if (second < 0)
        return {};
    return line.mid(first + 1, second - first - 1);
}

PlayerNames playerNames(const QString &listEntry)
{
    PlayerNames names;
    for (const QString &piece : listEntry.split(QLatin1Char(']'))) {
        if (piece.contains(QLatin1String("[White ")))
            names.white = quotedValue(piece);
        if (piece.contains(QLatin1String("[Black ")))
            names.black = quotedValue(piece);
    }
    return names;
}

QStringList nonEmptyLines(const QString &text)
{
    QStringList lines = text.split(crlf);
    lines.removeAll(QString());
    return lines;
}

QString annotatedMoveList(const QString &moveListA)
{
    QString joined;
    for (const QString &line : nonEmptyLines(moveListA))
        joined += line + QLatin1Char(' ');
    QString result;
    for (const QString &piece : joined.split(QLatin1Char('}'))) {
        if (piece.isEmpty())
            continue;
        result += piece;
        if (piece.contains(QLatin1Char('{')))
            result += QLatin1Char('}');
        result += crlf;
    }
    return result;
}

QString paragraphMoveList(const QString &moveListP)
{
    QString result;
    for (const QString &line : nonEmptyLines(moveListP))
        result += line + QLatin1Char(' ');
    return result;
}

QString moveNumberSearchText(int moveNumberMove)
{
    return QString::number(moveNumberMove >= 1 ? moveNumberMove : 1) + QLatin1Char('.');
}

QString lastMoveText(int ply, const QString &forsyth, int moveNumberMove, const QString &moveText)
{
    if (ply <= 0)
        return {};
    const QStringList fields = forsyth.split(QLatin1Char(' '));
    const bool whiteMoved = fields.size() > 1 && fields.at(1) == QLatin1String("b");
    return QString::number(moveNumberMove) + (whiteMoved ? QStringLiteral(". ") : QStringLiteral(". ... "))
           + moveText;
}

QString wordAt(const QString &text, int position, int *wordStart)
{
    position = qBound(0, position, int(text.size()));
    auto isBlank = [](QChar c) { return c.isSpace() || c == QChar::ParagraphSeparator; };
    int start = position;
    while (start > 0 && !isBlank(text.at(start - 1)))
        --start;
    int end = position;
    while (end < text.size() && !isBlank(text.at(end)))
        ++end;
    if (wordStart)
        *wordStart = start;
    return text.mid(start, end - start);
}

std::optional<qint16> jumpTargetPly(const QString &style, const QString &word)
{
    if (style == QLatin1String("P")) {
        const std::optional<double> value = numericValue(word);
        return value ? doublePly(*value) : std::nullopt;
    }
    const qsizetype dot = word.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return std::nullopt;
    // The part before the point counts by its leading number, as "12" of "12.": a part
    // without one is move 0, the start position.
    const QString before = word.left(dot).trimmed();
    qsizetype digits = 0;
    while (digits < before.size() && before.at(digits).isDigit())
        ++digits;
    const double value = digits == 0 ? 0.0 : before.left(digits).toDouble();
    return doublePly(value);
}

} // namespace game_text
