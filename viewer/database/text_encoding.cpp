#include "text_encoding.h"

#include <QStringDecoder>

#include <array>
#include <cstring>

namespace pavisto {
namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves undefined map to
// the C1 control of the same number, so every byte survives a decode and encode.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> cp1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < Cp1252High.size(); ++i) {
        if (Cp1252High[i] == c)
            return char(0x80 + i);
    }
    return std::nullopt;
}

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

} // namespace

bool isValidUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p < end) {
        // Most of a PGN file is ASCII: skip it eight bytes at a time.
        while (end - p >= 8) {
            quint64 word;
            std::memcpy(&word, p, sizeof word);
            if (word & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p == end)
            break;
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        qsizetype length = 0;
        char32_t min = 0;
        char32_t code = 0;
        if ((c & 0xE0) == 0xC0) {
            length = 2, min = 0x80, code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3, min = 0x800, code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4, min = 0x10000, code = c & 0x07;
        } else {
            return false;
        }
        if (end - p < length)
            return false;
        for (qsizetype i = 1; i < length; ++i) {
            if (!isContinuation(p[i]))
                return false;
            code = (code << 6) | (p[i] & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        p += length;
    }
    return true;
}

qsizetype byteOrderMarkLength(QByteArrayView bytes)
{
    return bytes.startsWith(Utf8ByteOrderMark) ? Utf8ByteOrderMark.size() : 0;
}

TextEncoding detectEncoding(QByteArrayView bytes)
{
    const qsizetype bom = byteOrderMarkLength(bytes);
    if (!isValidUtf8(bytes.sliced(bom)))
        return TextEncoding::Windows1252;
    return bom ? TextEncoding::Utf8Bom : TextEncoding::Utf8;
}

QString decodeText(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding != TextEncoding::Windows1252) {
        // QString::fromUtf8 drops a mark at the start of the bytes it is given, which
        // here are a line or a game inside the file: only the file's own mark, left
        // out by the line reader, is not text.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return decoder.decode(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char b : bytes) {
        const auto c = static_cast<unsigned char>(b);
        *out++ = (c >= 0x80 && c < 0xA0) ? QChar(Cp1252High[c - 0x80]) : QChar(c);
    }
    return text;
}

std::optional<QByteArray> encodeText(QStringView text, TextEncoding encoding)
{
    if (encoding != TextEncoding::Windows1252)
        return text.toUtf8();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const std::optional<char> b = cp1252Byte(c.unicode());
        if (!b)
            return std::nullopt;
        bytes.append(*b);
    }
    return bytes;
}

} // namespace pavisto
