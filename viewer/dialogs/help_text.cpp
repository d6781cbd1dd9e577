#include "help_text.h"

#include "viewer/database/text_encoding.h"

#include <limits>

namespace help_text {

const QStringList &topics()
{
    static const QStringList list = {
        QStringLiteral("Introduction"),
        QStringLiteral("Getting Started"),
        QStringLiteral("Menus"),
        QStringLiteral("Additional Features"),
        QStringLiteral("Email Features"),
        QStringLiteral("Reports"),
        QStringLiteral("Limits"),
        QStringLiteral("Copyright Notice And Disclaimer"),
        QStringLiteral("Tag Editor"),
        QStringLiteral("Find"),
        QStringLiteral("Setup Position"),
        QStringLiteral("Variation Board"),
        QStringLiteral("Options"),
        QStringLiteral("Technical Notes"),
        QStringLiteral("EMailer"),
        QStringLiteral("Correspondence Options"),
        QStringLiteral("Annotation"),
        QStringLiteral("Auto Play"),
        QStringLiteral("Promotion Piece"),
        QStringLiteral("Board Square Colors"),
        QStringLiteral("Move List Style"),
        QStringLiteral("Time Controls"),
        QStringLiteral("Date Format"),
        QStringLiteral("Unused Time"),
        QStringLiteral("Color View"),
        QStringLiteral("Tracking"),
        QStringLiteral("Play To End On Opening"),
        QStringLiteral("File"),
        QStringLiteral("Edit"),
        QStringLiteral("View"),
        QStringLiteral("Board"),
        QStringLiteral("Player"),
        QStringLiteral("Tools"),
        QStringLiteral("Help"),
        QStringLiteral("E-mail"),
        QStringLiteral("Web Site"),
    };
    return list;
}

QString shownText(QByteArrayView fileBytes)
{
    const pavisto::TextEncoding encoding = pavisto::detectEncoding(fileBytes);
    const QByteArrayView body = fileBytes.sliced(pavisto::byteOrderMarkLength(fileBytes));
    const QString text = pavisto::decodeText(body, encoding);

    QString shown;
    shown.reserve(text.size() + text.size() / 16);
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        shown += QStringView(text).sliced(lineStart, i - lineStart);
        shown += QLatin1String("\r\n");
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        lineStart = i + 1;
    }
    // A last line without a line end is a line too.
    if (lineStart < text.size()) {
        shown += QStringView(text).sliced(lineStart);
        shown += QLatin1String("\r\n");
    }
    return shown;
}

std::optional<Heading> findHeading(const QString &shownText, const QString &topic)
{
    if (topic.isEmpty())
        return std::nullopt;
    const QString heading = topic + QLatin1Char(':');
    const qsizetype at = shownText.indexOf(heading, 0, Qt::CaseSensitive);
    // Counted from 1, as the position is held, it must fit a signed 16-bit number.
    if (at < 0 || at + 1 > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return Heading{int(at), int(heading.size())};
}

} // namespace help_text
