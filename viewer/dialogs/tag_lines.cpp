#include "tag_lines.h"

namespace pavisto {

QString tagValue(const QString &line)
{
    const qsizetype open = line.indexOf(QLatin1Char('"'));
    if (open < 0)
        return line;
    const qsizetype close = line.indexOf(QLatin1Char('"'), open + 1);
    return close < 0 ? line.mid(open + 1) : line.mid(open + 1, close - open - 1);
}

QString withTagValue(const QString &line, const QString &value)
{
    const qsizetype open = line.indexOf(QLatin1Char('"'));
    if (open < 0)
        return value;
    return line.left(open + 1) + value + QStringLiteral("\"]");
}

QString newTagLine(const QString &name)
{
    return QLatin1Char('[') + name + QStringLiteral(" \"\"]");
}

bool anyLineContains(const QStringList &lines, const QString &text)
{
    for (const QString &line : lines) {
        if (line.contains(text))
            return true;
    }
    return false;
}

BoardTagValues boardTagValues(const QStringList &lines)
{
    BoardTagValues values;
    for (const QString &line : lines) {
        if (!line.contains(QLatin1Char('"')))
            continue;
        const QString value = tagValue(line);
        if (line.contains(QLatin1String("Result")))
            values.result = value;
        if (line.contains(QLatin1String("White ")))
            values.white = value;
        if (line.contains(QLatin1String("Black ")))
            values.black = value;
    }
    return values;
}

} // namespace pavisto
