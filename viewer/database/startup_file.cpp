#include "startup_file.h"

#include "file_io.h"
#include "line_reader.h"
#include "text_encoding.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cmath>
#include <limits>
#include <optional>

namespace pavisto {
namespace {

constexpr int StartupLines = 6;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A colour line: a whole decimal number in the 32-bit signed range, blanks around it
// ignored.
std::optional<qint32> wholeNumber(const QString &line)
{
    bool ok = false;
    const QByteArray text = line.toLatin1();
    const QByteArrayView trimmed = trimBlanks(text);
    const qsizetype digitsFrom = (trimmed.startsWith('-') || trimmed.startsWith('+')) ? 1 : 0;
    if (trimmed.size() == digitsFrom)
        return std::nullopt;
    for (qsizetype i = digitsFrom; i < trimmed.size(); ++i) {
        if (!isDigit(trimmed[i]))
            return std::nullopt;
    }
    const qlonglong value = QByteArray(trimmed.data(), trimmed.size()).toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

// The speed line: the longest leading part of the trimmed text that forms a number
// (0 when none does), rounded half to even; nothing when outside the 16-bit range.
std::optional<qint16> leadingNumber(const QString &line)
{
    const QByteArray text = line.toLatin1();
    const QByteArrayView s = trimBlanks(text);
    qsizetype i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        ++i;
    qsizetype digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i)
        ++digits;
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && isDigit(s[i]); ++i)
            ++digits;
    }
    if (digits == 0)
        return 0;
    qsizetype end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == '-' || s[j] == '+'))
            ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            end = j;
        }
    }
    const double value = std::nearbyint(QByteArray(s.data(), end).toDouble());
    if (!(value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max()))
        return std::nullopt;
    return qint16(value);
}

// A number as the file holds it: a blank in place of the sign when not negative.
QByteArray signedNumber(qint64 value)
{
    return (value < 0 ? QByteArray() : QByteArray(" ")) + QByteArray::number(value);
}

// Whether a file can be created in the folder. The folder's permissions do not tell:
// root passes every permission test, yet cannot create files in /proc or in a folder
// marked immutable.
bool canCreateFilesIn(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("pavisto-XXXXXX.tmp")));
    return probe.open();
}

} // namespace

StartupFileLocation StartupFileLocation::standard()
{
    return {QCoreApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)};
}

QString StartupFileLocation::filePath() const
{
    const QString folder = canCreateFilesIn(programFolder) ? programFolder : userFolder;
    return QDir(folder).filePath(QLatin1String(StartupFileName));
}

void ReadStartupFile(StartupSettings &settings, const StartupFileLocation &location)
{
    const FileContents contents = readFileBytes(location.filePath());
    const TextEncoding encoding = detectEncoding(contents.bytes);
    LineReader reader(contents.bytes);
    QString lines[StartupLines];
    int count = 0;
    while (count < StartupLines && !reader.atEnd())
        lines[count++] = decodeText(reader.next(), encoding);

    // Mode and style take effect as soon as their lines are read; everything else
    // needs all six lines and every earlier value to be sound.
    if (count >= 2)
        settings.autoPlayMode = lines[1];
    if (count >= 4)
        settings.moveListStyle = lines[3];
    if (count < StartupLines)
        return;
    settings.promotionPiece = lines[0];
    const std::optional<qint32> light = wholeNumber(lines[4]);
    if (!light)
        return;
    settings.lightSquareColor = *light;
    const std::optional<qint32> dark = wholeNumber(lines[5]);
    if (!dark)
        return;
    settings.darkSquareColor = *dark;
    const std::optional<qint16> speed = leadingNumber(lines[2]);
    if (!speed)
        return;
    settings.autoPlaySpeed = *speed;
}

QByteArray startupFileText(const StartupSettings &settings)
{
    const QByteArray lines[StartupLines] = {
        settings.promotionPiece.toUtf8(),
        settings.autoPlayMode.toUtf8(),
        signedNumber(settings.autoPlaySpeed) + ' ',
        settings.moveListStyle.toUtf8(),
        signedNumber(settings.lightSquareColor),
        signedNumber(settings.darkSquareColor),
    };
    QByteArray text;
    for (const QByteArray &line : lines)
        text += line + "\r\n";
    // The reader skips a byte-order mark at the start; a first line that begins with
    // the mark's character keeps it behind a mark of its own.
    if (text.startsWith(Utf8ByteOrderMark))
        text.prepend(Utf8ByteOrderMark.data(), Utf8ByteOrderMark.size());
    return text;
}

bool WriteStartupFile(const StartupSettings &settings, const StartupFileLocation &location)
{
    const QString path = location.filePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray text = startupFileText(settings);
    return !writeFileAtomically(path, [&](QIODevice &out) { writeAll(out, text); });
}

} // namespace pavisto
