#include "replay_modes.h"

#include "coordinate_play.h"
#include "game_replay.h"

#include "viewer/database/file_io.h"
#include "viewer/database/pgn_export.h"
#include "viewer/database/pgn_import.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

// Standard output gathered in one buffer and written in large blocks: a line per ply
// of a big file must not cost a system call each.
class Output final {
public:
    Output() { m_buffer.reserve(BlockSize * 2); }
    ~Output() { flush(); }
    Output(const Output &) = delete;
    Output &operator=(const Output &) = delete;

    Output &operator<<(std::string_view text)
    {
        m_buffer += text;
        if (m_buffer.size() >= BlockSize)
            flush();
        return *this;
    }
    Output &operator<<(const char *text) { return *this << std::string_view(text); }
    Output &operator<<(const std::string &text) { return *this << std::string_view(text); }
    Output &operator<<(const QString &text) { return *this << text.toStdString(); }
    Output &operator<<(char c)
    {
        m_buffer += c;
        return *this;
    }
    Output &operator<<(long long number)
    {
        char digits[24];
        m_buffer.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
        return *this;
    }
    Output &operator<<(int number) { return *this << static_cast<long long>(number); }

    void flush()
    {
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), stdout);
        std::fflush(stdout);
        m_buffer.clear();
    }

private:
    static constexpr std::size_t BlockSize = 1 << 16;
    std::string m_buffer;
};

// Imports the options' file; prints why when it cannot be read.
bool importOrReport(const Options &options, pavisto::GameDatabase &games)
{
    if (const std::optional<QString> error = importFile(options.file, games)) {
        printError(*error);
        return false;
    }
    return true;
}

} // namespace

void printError(const QString &message)
{
    std::fprintf(stderr, "pgnreplay: %s\n", message.toLocal8Bit().constData());
}

std::optional<QString> importFile(const QString &path, pavisto::GameDatabase &games)
{
    pavisto::FileContents contents = pavisto::readFileBytes(path);
    if (contents.error)
        return QStringLiteral("cannot read %1: %2").arg(path, *contents.error);
    const pavisto::ImportResult result = pavisto::importPgn(games, std::move(contents.bytes));
    // Open keeps the games read up to the limit and carries on with them.
    if (result.limitReached)
        printError(QStringLiteral("%1: Maximum Limit Of Database Reached (%2 games)").arg(path).arg(pavisto::MaxGames));
    return std::nullopt;
}

int runCheck(const Options &options)
{
    pavisto::GameDatabase games;
    if (!importOrReport(options, games))
        return ExitBadInput;
    GameReplay replay;
    Output out;
    int failed = 0;
    for (int game = 1; game <= games.count(); ++game) {
        const ReplayOutcome outcome = replay.replay(games, game);
        out << game << '\t' << outcome.plies << '\t';
        if (outcome.importError) {
            ++failed;
            out << "import-error\t" << outcome.failedPly << '\t' << outcome.failedToken << '\n';
        } else {
            out << "ok\n";
        }
    }
    out << "games " << games.count() << "  ok " << games.count() - failed << "  import-error " << failed << '\n';
    return failed == 0 ? ExitDone : ExitGamesFailed;
}

int runPlies(const Options &options)
{
    pavisto::GameDatabase games;
    if (!importOrReport(options, games))
        return ExitBadInput;
    GameReplay replay;
    Output out;
    for (int game = 1; game <= games.count(); ++game) {
        const ReplayOutcome outcome = replay.replay(games, game);
        if (!outcome.loaded)
            continue;
        const tolvar::GameEngine &engine = replay.engine();
        for (int ply = 1; ply <= outcome.plies; ++ply) {
            const tolvar::PlyRecord &record = engine.PlyRecords[ply];
            out << game << '\t' << ply << '\t' << record.MoveSAN << '\t' << record.Fen << '\n';
        }
    }
    return ExitDone;
}

int runPlay(const Options &options)
{
    std::vector<CoordinateMove> moves;
    for (const QString &text : options.moves) {
        const std::optional<CoordinateMove> move = parseCoordinateMove(text);
        if (!move) {
            printError(QStringLiteral("'%1' is not a move in coordinate form such as e2e4 or e7e8n").arg(text));
            return ExitBadInput;
        }
        moves.push_back(*move);
    }
    std::optional<std::string> fen;
    if (options.fen)
        fen = options.fen->toStdString();
    const PlayResult result = playMoves(fen, moves);
    if (result.error) {
        printError(QStringLiteral("cannot read the FEN '%1': %2").arg(*options.fen, *result.error));
        return ExitBadInput;
    }
    Output out;
    for (const PlayedMove &move : result.moves) {
        out << move.move << '\t' << (move.accepted ? "accepted" : "refused") << '\t' << move.moveText << '\t'
            << move.forsyth << '\t' << move.gameResult << '\n';
    }
    return ExitDone;
}

int runSaveAll(const Options &options)
{
    pavisto::GameDatabase games;
    if (!importOrReport(options, games))
        return ExitBadInput;
    if (games.count() == 0) {
        printError(QStringLiteral("%1: There are no saved games to export.").arg(options.file));
        return ExitGamesFailed;
    }
    if (const std::optional<QString> error = pavisto::saveDatabase(games, options.output)) {
        printError(QStringLiteral("cannot write %1: %2").arg(options.output, *error));
        return ExitBadInput;
    }
    return ExitDone;
}
