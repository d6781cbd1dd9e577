#pragma once

#include <QString>
#include <QVariant>

#include <algorithm>
#include <cstdint>
#include <string>

// Conversions between the values crossing the dispatch interface (QVariant) and the
// engine's fields. Texts are UTF-8 inside the engine.
namespace tolvar::convert {

inline QString text(const std::string &value)
{
    return QString::fromStdString(value);
}

inline std::string stdText(const QVariant &value)
{
    return value.toString().toStdString();
}

// A one-letter text field of the engine ('\0' is the empty text).
inline QString letter(char value)
{
    return value == '\0' ? QString() : QString(QChar::fromLatin1(value));
}

inline char letterOf(const QVariant &value)
{
    const QString text = value.toString();
    return text.isEmpty() ? '\0' : text.front().toLatin1();
}

// A 16-bit signed number; a boolean given by a Qt host counts as -1 or 0, and numbers
// outside the range are held to it.
inline qint16 int16(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? -1 : 0;
    return qint16(std::clamp<qlonglong>(value.toLongLong(), -32768, 32767));
}

// A boolean as the interface shows it: -1 true, 0 false.
inline QVariant vbBool(bool value)
{
    return QVariant::fromValue<qint16>(value ? -1 : 0);
}

inline bool boolOf(const QVariant &value)
{
    return value.typeId() == QMetaType::Bool ? value.toBool() : value.toLongLong() != 0;
}

inline QVariant int16Value(qint16 value)
{
    return QVariant::fromValue<qint16>(value);
}

// Colours are 32-bit; a host may hand a system colour over as a negative signed number.
inline quint32 color(const QVariant &value)
{
    return quint32(value.toLongLong());
}

inline QVariant colorValue(quint32 value)
{
    return QVariant::fromValue<quint32>(value);
}

} // namespace tolvar::convert
