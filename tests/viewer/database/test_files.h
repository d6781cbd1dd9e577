#pragma once

#include "viewer/database/game_database.h"
#include "viewer/database/pgn_import.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace pavisto::test {

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QString dataFile(const char *relative)
{
    return QStringLiteral(PAVISTO_TEST_DATA_DIR "/") + QLatin1String(relative);
}

inline GameDatabase imported(const QByteArray &bytes)
{
    GameDatabase games;
    importPgn(games, bytes);
    return games;
}

} // namespace pavisto::test
