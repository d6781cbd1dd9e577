#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

enum class Mode { Help, Check, Plies, Play, SaveAll, Bench };

struct Options {
    Mode mode = Mode::Help;
    QString file;              // the PGN file read
    QString output;            // --save-all: the file written
    std::optional<QString> fen; // --play: the start position
    QStringList moves;          // --play: coordinate moves
};

// The options of the arguments after the program name, or why they are not valid.
std::variant<Options, QString> parseCommandLine(const QStringList &arguments);

// The usage text printed for --help and for a missing argument.
QString usageText();
