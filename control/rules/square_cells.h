#pragma once

#include "piece_code.h"

#include <cstdint>
#include <string>

namespace tolvar {

// The thirteen images a square cell can show.
enum class PieceImage : std::uint8_t {
    imgNoImage,
    imgWKing, imgWQueen, imgWRook, imgWBishop, imgWNight, imgWpawn,
    imgBKing, imgBQueen, imgBRook, imgBBishop, imgBNight, imgBpawn,
};

// Automatic: pressing the mouse on the cell starts a drag at once; manual: no drag starts.
enum class DragMode : std::uint8_t { Manual, Automatic };

enum class CellBorder : std::uint8_t { None, Single };

// The image of a piece code; anything that is not one of the twelve pieces shows none.
PieceImage imageForCode(PieceCode code);

// One of the 64 displayed squares as a plain data model; the board widget draws it.
struct SquareCell {
    PieceCode Tag;                                   // piece code of the occupant
    PieceImage Picture = PieceImage::imgNoImage;     // image shown on the square
    PieceImage DragIcon = PieceImage::imgNoImage;    // image under the pointer while dragged
    tolvar::DragMode DragMode = tolvar::DragMode::Manual;
    CellBorder BorderStyle = CellBorder::None;
    bool Visible = true;
    std::uint32_t BackColor = 0x00FFFFFF;            // 0x00BBGGRR or a 0x800000nn system colour
    std::int32_t Left = 0;                           // twips inside picBoardBackground
    std::int32_t Top = 0;
    std::string SquareKey;                           // "e1-5-1-61": name, file, rank, index
};

// Size of a square cell in twips and the frame margin the first cell starts at.
inline constexpr std::int32_t CellSizeTwips = 480;
inline constexpr std::int32_t CellMarginTwips = 60;
inline constexpr std::uint32_t InitialLightColor = 0x00FFFFFF;
inline constexpr std::uint32_t InitialDarkColor = 0x00C0C0C0;

// The 32 light squares are those whose file and rank sum is odd (a8 is light).
constexpr bool isLightCell(int index)
{
    return (fileOfIndex(index) + rankOfIndex(index)) % 2 == 1;
}

} // namespace tolvar
