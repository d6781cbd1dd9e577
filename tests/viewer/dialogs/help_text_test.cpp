// The help file's shown text, the search for a topic's heading, and the shipped help file.
#include "viewer/dialogs/help_text.h"

#include <QFile>

#include <gtest/gtest.h>

using help_text::findHeading;
using help_text::shownText;

TEST(HelpText, EveryKindOfLineEndBecomesCrLf)
{
    struct Case {
        const char *name;
        QByteArray file;
        QString shown;
    };
    const Case cases[] = {
        {"CR LF", "a\r\nb\r\n", QStringLiteral("a\r\nb\r\n")},
        {"lone LF", "a\nb\n", QStringLiteral("a\r\nb\r\n")},
        {"lone CR", "a\rb\r", QStringLiteral("a\r\nb\r\n")},
        {"mixed, with empty lines", "a\r\rb\n\nc\r\n", QStringLiteral("a\r\n\r\nb\r\n\r\nc\r\n")},
        {"last line without an end", "a\nb", QStringLiteral("a\r\nb\r\n")},
        {"LF CR is two line ends", "a\n\rb", QStringLiteral("a\r\n\r\nb\r\n")},
        {"empty file", "", QString()},
        {"8-bit text", "caf\xe9\n", QStringLiteral("caf\u00e9\r\n")},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" "caf\xc3\xa9\n", QStringLiteral("caf\u00e9\r\n")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(shownText(c.file), c.shown) << c.name;
}

TEST(HelpText, AHeadingIsTheFirstCaseSensitiveOccurrenceOfTheTopicAndAColon)
{
    const QString text = QStringLiteral("Menus:\r\nfind: Find: is in the menus\r\nFind:\r\nsearches\r\n");
    const auto find = findHeading(text, QStringLiteral("Find"));
    ASSERT_TRUE(find);
    EXPECT_EQ(find->start, text.indexOf(QLatin1String("Find:")));
    EXPECT_LT(find->start, text.lastIndexOf(QLatin1String("Find:")));
    EXPECT_EQ(find->length, 5);
    EXPECT_FALSE(findHeading(text, QStringLiteral("Tag Editor")));
    EXPECT_FALSE(findHeading(text, QString()));
}

TEST(HelpText, AHeadingBeyondTheSixteenBitRangeIsNotFound)
{
    const QString filler(32767, QLatin1Char('x'));
    EXPECT_TRUE(findHeading(filler.left(32766) + QStringLiteral("Find:"), QStringLiteral("Find")));
    EXPECT_FALSE(findHeading(filler + QStringLiteral("Find:"), QStringLiteral("Find")));
}

TEST(HelpText, TheShippedFileHasASectionForEveryTopicInReach)
{
    QFile file(QStringLiteral(PAVISTO_HELP_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = shownText(file.readAll());
    EXPECT_EQ(help_text::topics().size(), 36);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (const QString &topic : help_text::topics()) {
        const auto heading = findHeading(text, topic);
        ASSERT_TRUE(heading) << topic.toStdString();
        // The first occurrence is the section's own heading line, not a word in another section.
        EXPECT_TRUE(heading->start == 0 || text.mid(heading->start - 2, 2) == QLatin1String("\r\n"))
            << topic.toStdString();
        EXPECT_TRUE(lines.contains(topic + QLatin1Char(':'))) << topic.toStdString();
        const qsizetype lineEnd = text.indexOf(QLatin1String("\r\n"), heading->start);
        EXPECT_EQ(text.mid(heading->start, lineEnd - heading->start), topic + QLatin1Char(':'))
            << topic.toStdString();
    }
}
