#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace pavisto {

// The value of a tag line: the text between its first and second double quote, the
// rest of the line after a lone double quote, the whole line when it has none.
QString tagValue(const QString &line);

// The line with its value replaced: the line up to and including its first double
// quote, the value, a double quote and "]"; the value alone for a line without one.
QString withTagValue(const QString &line, const QString &value);

// The line of a new tag with an empty value: [name ""].
QString newTagLine(const QString &name);

// True when any line contains the text anywhere (case-sensitive).
bool anyLineContains(const QStringList &lines, const QString &text);

// What the tag editor's OK hands to the main board.
struct BoardTagValues {
    std::optional<QString> result; // value of the last line containing "Result"
    std::optional<QString> white;  // ... containing "White "
    std::optional<QString> black;  // ... containing "Black "
};

// Scans every line for all three words, so the last matching line wins. A line
// without a double quote has no value and sets nothing.
BoardTagValues boardTagValues(const QStringList &lines);

} // namespace pavisto
