#include "command_line.h"
#include "replay_bench.h"
#include "replay_modes.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    const std::variant<Options, QString> parsed = parseCommandLine(arguments);
    if (const QString *error = std::get_if<QString>(&parsed)) {
        printError(*error);
        if (arguments.isEmpty())
            std::fputs(usageText().toLocal8Bit().constData(), stderr);
        else
            std::fputs("Try 'pgnreplay --help' for the usage.\n", stderr);
        return ExitBadInput;
    }
    const Options &options = std::get<Options>(parsed);
    switch (options.mode) {
    case Mode::Help:
        std::fputs(usageText().toLocal8Bit().constData(), stdout);
        return ExitDone;
    case Mode::Check:
        return runCheck(options);
    case Mode::Plies:
        return runPlies(options);
    case Mode::Play:
        return runPlay(options);
    case Mode::SaveAll:
        return runSaveAll(options);
    case Mode::Bench:
        return runBench(options);
    }
    return ExitBadInput;
}
