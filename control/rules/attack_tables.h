#pragma once

#include "piece_code.h"

#include <array>
#include <cstdint>

namespace tolvar::attack {

// Squares are cell positions 0..63 (square index - 1). A list ends at the first -1.
using SquareList = std::array<std::int8_t, 8>;

// Directions: the four lines (towards rank 8, rank 1, the a-file, the h-file), then the
// four diagonals (towards h8, h1, a1, a8).
inline constexpr int directionFile[8] = {0, 0, -1, 1, 1, 1, -1, -1};
inline constexpr int directionRank[8] = {1, -1, 0, 0, 1, -1, -1, 1};
inline constexpr int knightFile[8] = {1, 2, 2, 1, -1, -2, -2, -1};
inline constexpr int knightRank[8] = {2, 1, -1, -2, -2, -1, 1, 2};

struct Tables {
    std::array<std::array<SquareList, 8>, 64> rays{};  // the squares outward from a square
    std::array<SquareList, 64> knights{};              // knight jumps from a square
};

constexpr Tables makeTables()
{
    Tables tables;
    for (int square = 0; square < 64; ++square) {
        const int file = fileOfIndex(square + 1);
        const int rank = rankOfIndex(square + 1);
        for (int d = 0; d < 8; ++d) {
            SquareList &ray = tables.rays[square][d];
            ray.fill(-1);
            int n = 0;
            for (int f = file + directionFile[d], r = rank + directionRank[d]; onBoard(f, r);
                 f += directionFile[d], r += directionRank[d])
                ray[n++] = static_cast<std::int8_t>(squareIndex(f, r) - 1);
        }
        SquareList &jumps = tables.knights[square];
        jumps.fill(-1);
        int n = 0;
        for (int k = 0; k < 8; ++k)
            if (onBoard(file + knightFile[k], rank + knightRank[k]))
                jumps[n++] = static_cast<std::int8_t>(squareIndex(file + knightFile[k], rank + knightRank[k]) - 1);
    }
    return tables;
}

inline constexpr Tables tables = makeTables();

} // namespace tolvar::attack
