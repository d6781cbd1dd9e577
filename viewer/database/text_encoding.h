#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace pavisto {

// How the bytes of a text file map to characters. Each file is read in the encoding
// detected for it and written back the same way, so untouched text keeps its bytes.
enum class TextEncoding {
    Utf8,       // valid UTF-8 (plain ASCII included)
    Utf8Bom,    // valid UTF-8 that starts with a byte-order mark
    Windows1252 // anything else: one byte per character
};

inline constexpr QByteArrayView Utf8ByteOrderMark("\xEF\xBB\xBF");

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(QByteArrayView bytes);

// The encoding of a whole file's bytes.
TextEncoding detectEncoding(QByteArrayView bytes);

// Number of leading bytes that are a UTF-8 byte-order mark (0 or 3).
qsizetype byteOrderMarkLength(QByteArrayView bytes);

QString decodeText(QByteArrayView bytes, TextEncoding encoding);

// The text in the given encoding, or nothing when a character has no byte there.
// Every byte 0..255 decodes to a distinct character and encodes back to itself.
std::optional<QByteArray> encodeText(QStringView text, TextEncoding encoding);

} // namespace pavisto
