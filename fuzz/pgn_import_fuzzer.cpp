// Arbitrary bytes as a PGN file: the import, every game's texts and list entry, and
// Save All's output, which must import back into the same file.
#include "viewer/database/pgn_export.h"
#include "viewer/database/pgn_import.h"

#include <QBuffer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace pavisto;

namespace {

QByteArray written(const GameDatabase &games)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    writeDatabase(games, games.encoding(), out);
    return bytes;
}

void dump(const char *title, const GameDatabase &games)
{
    std::fprintf(stderr, "%s:\n", title);
    for (int game = 1; game <= games.count(); ++game)
        std::fprintf(stderr, "%d tags <%s>\n  moves <%s>\n", game, qPrintable(games.tags(game).toUtf8().toPercentEncoding(" []")),
                     qPrintable(games.moves(game).toUtf8().toPercentEncoding(" []")));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    GameDatabase games;
    int lastPercent = -1;
    const ImportResult result =
        importPgn(games, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), [&](int, int percent) {
            if (percent < lastPercent || percent > 100)
                std::abort();
            lastPercent = percent;
        });
    if (result.count != games.count())
        std::abort();
    for (int game = 1; game <= games.count(); ++game) {
        const GameRecord record = games.record(game);
        if (record.Tags != games.tags(game) || record.Moves != games.moves(game))
            std::abort();
        (void)games.listText(game);
        (void)games.hasTagSection(game);
    }
    (void)games.record(0);
    (void)games.record(games.count() + 1);

    // A file written by Save All is already in the database's own form: importing and
    // writing it again changes nothing.
    const QByteArray once = written(games);
    GameDatabase reread;
    importPgn(reread, once);
    const QByteArray twice = written(reread);
    if (!result.limitReached && twice != once) {
        dump("imported", games);
        dump("read back", reread);
        std::abort();
    }
    return 0;
}
