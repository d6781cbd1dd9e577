#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// The help file's text and how a topic finds its heading in it; no widgets here.
namespace help_text {

// The help file's name, in the program's folder.
inline const QString FileName = QStringLiteral("pvshelp.txt");

// The topics of the help viewer, in list order.
const QStringList &topics();

// The shown text of a help file: every line, ended by CR LF, CR or LF in the file,
// followed by CR LF. Bytes that are not UTF-8 are read as Windows-1252.
QString shownText(QByteArrayView fileBytes);

// Where a topic's heading stands in the shown text.
struct Heading {
    int start = 0;
    int length = 0;
};

// The first occurrence, letter case significant, of the topic followed by ":"; nothing
// when there is none or when it does not start within the first 32767 characters.
std::optional<Heading> findHeading(const QString &shownText, const QString &topic);

} // namespace help_text
