#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

namespace hostile {

// Writes `total` bytes to a new file by repeating `block`, without holding the whole
// file in memory.
inline void writeRepeated(const QString &path, const QByteArray &block, qint64 total)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray chunk;
    while (chunk.size() < (1 << 20))
        chunk += block;
    for (qint64 written = 0; written < total;) {
        const qint64 n = qMin<qint64>(chunk.size(), total - written);
        ASSERT_EQ(file.write(chunk.constData(), n), n);
        written += n;
    }
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace hostile
