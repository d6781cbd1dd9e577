#pragma once

#include <QtGlobal>

namespace platform {

// Positions and sizes of the forms are in twips, 1/1440 inch: 15 twips are one
// logical pixel at 96 dots per inch.
inline constexpr int TwipsPerPixel = 15;

// Rounds to the nearest pixel (half away from zero).
constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

// Colours cross the component boundary as 0x00BBGGRR values; with the top bit set,
// 0x800000nn names system colour nn of the desktop scheme.
inline constexpr quint32 SystemColorFlag = 0x80000000u;

constexpr bool isSystemColor(quint32 value)
{
    return (value & SystemColorFlag) != 0;
}

constexpr quint32 rgbValue(int red, int green, int blue)
{
    return quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16;
}

// Booleans crossing the component boundary are 16-bit: -1 true, 0 false.
inline constexpr qint16 VbTrue = -1;
inline constexpr qint16 VbFalse = 0;

constexpr qint16 vbBool(bool value)
{
    return value ? VbTrue : VbFalse;
}

} // namespace platform
