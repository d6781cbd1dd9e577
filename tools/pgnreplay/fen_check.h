#pragma once

#include <QString>

#include <optional>
#include <string_view>

// Why the board could not read a FEN text, nothing when it can: six fields parted by
// single spaces, eight ranks of eight squares, side w or b, castling letters out of
// KQkq or "-", an en-passant square on rank 3 or 6 or "-", and two counters.
std::optional<QString> fenProblem(std::string_view fen);
