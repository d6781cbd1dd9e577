#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tolvar {

// A square's occupant: colour letter ("W", "B") and piece letter ("K", "Q", "R", "B",
// "N", "p"), or "E" for an empty square. Always two characters: an empty square is
// "E" followed by a space, so codes compare as whole values and emptiness is the
// first character alone.
struct PieceCode {
    std::array<char, 2> chars{'E', ' '};

    constexpr PieceCode() = default;
    constexpr PieceCode(char color, char piece) : chars{color, piece} {}

    // Cuts the text to two characters or pads it with spaces.
    static constexpr PieceCode fromText(std::string_view text)
    {
        return PieceCode(text.empty() ? ' ' : text[0], text.size() < 2 ? ' ' : text[1]);
    }

    constexpr char color() const { return chars[0]; }
    constexpr char piece() const { return chars[1]; }
    constexpr bool isEmpty() const { return chars[0] == 'E'; }
    // The two characters as a board cell holds them ("E " for an empty square).
    constexpr std::string_view cellText() const { return {chars.data(), 2}; }
    // The code as the ply record holds it: "E" stays one character.
    constexpr std::string_view text() const { return {chars.data(), isEmpty() ? 1u : 2u}; }

    friend constexpr bool operator==(PieceCode, PieceCode) = default;
};

inline constexpr PieceCode EmptyCode{'E', ' '};

// Sets a text of one or two characters without the general string assignment: the move
// procedures set such texts several times per move.
inline void setText(std::string &text, char first)
{
    if (text.size() != 1)
        text.resize(1);
    text[0] = first;
}
inline void setText(std::string &text, char first, char second)
{
    if (text.size() != 2)
        text.resize(2);
    text[0] = first;
    text[1] = second;
}

// Squares: files 1..8 are "a".."h", ranks 1..8; index 1..64 runs from a8 to h1.
constexpr bool onBoard(int file, int rank)
{
    return file >= 1 && file <= 8 && rank >= 1 && rank <= 8;
}
constexpr int squareIndex(int file, int rank) { return (8 - rank) * 8 + file; }
constexpr int fileOfIndex(int index) { return (index - 1) % 8 + 1; }
constexpr int rankOfIndex(int index) { return 8 - (index - 1) / 8; }
constexpr char fileLetter(int file) { return static_cast<char>('a' + file - 1); }
constexpr char rankDigit(int rank) { return static_cast<char>('0' + rank); }
// 1..8 for "a".."h", 0 for any other character.
constexpr int fileNumber(char letter) { return letter >= 'a' && letter <= 'h' ? letter - 'a' + 1 : 0; }
// 1..8 for "1".."8", 0 for any other character.
constexpr int rankNumber(char digit) { return digit >= '1' && digit <= '8' ? digit - '0' : 0; }
constexpr char otherSide(char side) { return side == 'W' ? 'B' : 'W'; }

// An 8 x 8 grid of piece codes indexed (rank, file), both 1..8: `Board` and `TrialBoard`.
// Held in square-index order, so copying from the 64 square cells is a straight walk.
struct BoardGrid {
    std::array<PieceCode, 64> cells{};

    constexpr PieceCode &operator()(int rank, int file) { return cells[(8 - rank) * 8 + file - 1]; }
    constexpr PieceCode operator()(int rank, int file) const { return cells[(8 - rank) * 8 + file - 1]; }
    constexpr PieceCode &atIndex(int index) { return cells[index - 1]; }
    constexpr PieceCode atIndex(int index) const { return cells[index - 1]; }
    // The code at (rank, file), or an empty code for a square off the board.
    constexpr PieceCode safeAt(int rank, int file) const
    {
        return onBoard(file, rank) ? (*this)(rank, file) : EmptyCode;
    }

    // True when every square strictly between two squares of one line or diagonal is empty.
    constexpr bool clearBetween(int fromFile, int fromRank, int toFile, int toRank) const
    {
        const int stepFile = (toFile > fromFile) - (toFile < fromFile);
        const int stepRank = (toRank > fromRank) - (toRank < fromRank);
        for (int f = fromFile + stepFile, r = fromRank + stepRank; f != toFile || r != toRank;
             f += stepFile, r += stepRank)
            if (!(*this)(r, f).isEmpty())
                return false;
        return true;
    }

    // True when a knight, bishop, rook or queen (`piece` 'N', 'B', 'R', 'Q') on the first
    // square could move to the second by its geometry and path alone; what stands on the
    // second square is not looked at. Both squares must be on the board.
    constexpr bool reaches(char piece, int fromFile, int fromRank, int toFile, int toRank) const
    {
        const int df = toFile > fromFile ? toFile - fromFile : fromFile - toFile;
        const int dr = toRank > fromRank ? toRank - fromRank : fromRank - toRank;
        if (df == 0 && dr == 0)
            return false;
        const bool diagonal = df == dr;
        const bool line = df == 0 || dr == 0;
        switch (piece) {
        case 'N': return (df == 1 && dr == 2) || (df == 2 && dr == 1);
        case 'B': return diagonal && clearBetween(fromFile, fromRank, toFile, toRank);
        case 'R': return line && clearBetween(fromFile, fromRank, toFile, toRank);
        case 'Q': return (diagonal || line) && clearBetween(fromFile, fromRank, toFile, toRank);
        default: return false;
        }
    }

    friend constexpr bool operator==(const BoardGrid &, const BoardGrid &) = default;
};

} // namespace tolvar
