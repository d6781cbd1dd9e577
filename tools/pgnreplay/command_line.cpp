#include "command_line.h"

namespace {

bool isOption(const QString &argument)
{
    return argument.startsWith(QLatin1Char('-')) && argument.size() > 1;
}

// The arguments a mode takes after its option: exactly `count` names of files.
std::variant<Options, QString> withFiles(Mode mode, const QStringList &rest, int count, const QString &option)
{
    if (rest.size() != count) {
        return count == 1 ? QStringLiteral("%1 takes one PGN file").arg(option)
                          : QStringLiteral("%1 takes the output file and the PGN file").arg(option);
    }
    for (const QString &name : rest) {
        if (isOption(name))
            return QStringLiteral("unknown option %1").arg(name);
    }
    Options options;
    options.mode = mode;
    options.file = rest.back();
    if (count == 2)
        options.output = rest.front();
    return options;
}

std::variant<Options, QString> playOptions(QStringList rest)
{
    Options options;
    options.mode = Mode::Play;
    if (!rest.isEmpty() && rest.front() == QLatin1String("--fen")) {
        if (rest.size() < 2)
            return QStringLiteral("--fen takes a FEN text");
        options.fen = rest.at(1);
        rest.remove(0, 2);
    }
    for (const QString &move : rest) {
        if (move == QLatin1String("--fen"))
            return QStringLiteral("--fen comes before the moves");
    }
    options.moves = rest;
    return options;
}

} // namespace

std::variant<Options, QString> parseCommandLine(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return QStringLiteral("no arguments");
    const QString &first = arguments.front();
    const QStringList rest = arguments.mid(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        if (!rest.isEmpty())
            return QStringLiteral("--help takes no arguments");
        return Options{};
    }
    if (first == QLatin1String("--plies"))
        return withFiles(Mode::Plies, rest, 1, first);
    if (first == QLatin1String("--bench"))
        return withFiles(Mode::Bench, rest, 1, first);
    if (first == QLatin1String("--save-all"))
        return withFiles(Mode::SaveAll, rest, 2, first);
    if (first == QLatin1String("--play"))
        return playOptions(rest);
    if (isOption(first))
        return QStringLiteral("unknown option %1").arg(first);
    return withFiles(Mode::Check, arguments, 1, QStringLiteral("pgnreplay"));
}

QString usageText()
{
    return QStringLiteral(
        "Usage:\n"
        "  pgnreplay FILE                      replay every game, one line per game:\n"
        "                                      game, plies, ok | import-error [ply token]\n"
        "  pgnreplay --plies FILE              one line per replayed ply:\n"
        "                                      game, ply, SAN, FEN\n"
        "  pgnreplay --play [--fen FEN] MOVES  drop coordinate moves (e2e4, e7e8n, e1g1)\n"
        "                                      on the board: move, accepted | refused,\n"
        "                                      move text, FEN, result\n"
        "  pgnreplay --save-all OUT FILE       import FILE and write it to OUT as Save All does\n"
        "  pgnreplay --bench FILE              import and replay speed, best of 3 runs\n"
        "  pgnreplay --help                    this text\n"
        "\n"
        "Fields are separated by tabs. Exit status: 0 done, 1 a game did not replay\n"
        "(FILE mode) or nothing was written (--save-all), 2 bad arguments or input.\n");
}
