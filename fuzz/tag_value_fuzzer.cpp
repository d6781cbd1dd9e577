// Arbitrary bytes as a PGN file, read the way Load Game reads a game's tag lines: the
// tag list, the quoted values, the set-up position handed to the board, and the player
// names of the game-list entry. The bytes as one line go through the value reader too.
#include "control/rules/rules_engine.h"
#include "viewer/database/pgn_import.h"
#include "viewer/database/game_text.h"

#include <cstdint>
#include <cstdlib>

using namespace pavisto;

namespace {

void checkValue(const QString &line)
{
    const QString value = game_text::quotedValue(line);
    if (value.contains(QLatin1Char('"')) || (!value.isEmpty() && !line.contains(value)))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkValue(QString::fromUtf8(bytes));
    checkValue(QString::fromLatin1(bytes));

    GameDatabase games;
    importPgn(games, bytes);
    for (int game = 1; game <= games.count(); ++game) {
        const QStringList lines = game_text::nonEmptyLines(games.tags(game));
        for (const QString &line : lines)
            checkValue(line);
        const game_text::SetupPosition setup = game_text::checkForForsyth(lines);
        if (setup.isSetupGame) {
            tolvar::RulesEngine board;
            board.LoadFEN(setup.fen.toStdString());
        }
        const game_text::PlayerNames names = game_text::playerNames(games.listText(game));
        if ((names.white && names.white->contains(QLatin1Char('"'))) || (names.black && names.black->contains(QLatin1Char('"'))))
            std::abort();
    }
    return 0;
}
