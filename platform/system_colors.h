#pragma once

#include <QColor>
#include <QPalette>

#include <optional>

namespace platform {

// System colour nn of a 0x800000nn value mapped onto the palette role that plays the
// same part on this desktop:
//
//   nn    system colour                  palette role
//   0x00  scroll bar                     Button
//   0x01  desktop                        Dark
//   0x02  active title bar               Highlight
//   0x03  inactive title bar             Mid
//   0x04  menu bar                       Window
//   0x05  window background              Base
//   0x06  window frame                   Shadow
//   0x07  menu text                      WindowText
//   0x08  window text                    WindowText
//   0x09  active title bar text          HighlightedText
//   0x0A  active border                  Mid
//   0x0B  inactive border                Midlight
//   0x0C  application workspace          Dark
//   0x0D  highlight                      Highlight
//   0x0E  highlight text                 HighlightedText
//   0x0F  button face                    Button
//   0x10  button shadow                  Dark
//   0x11  grey text                      PlaceholderText
//   0x12  button text                    ButtonText
//   0x13  inactive title bar text        BrightText
//   0x14  button highlight               Light
//   0x15  button dark shadow             Shadow
//   0x16  button light shadow            Midlight
//   0x17  tooltip text                   ToolTipText
//   0x18  tooltip background             ToolTipBase
//
// Any other nn has no role.
std::optional<QPalette::ColorRole> systemColorRole(int index);

// The colour of a 0x00BBGGRR value, or of a 0x800000nn system colour in the palette
// (the application palette when none is given; black for an unknown system colour).
QColor toQColor(quint32 value);
QColor toQColor(quint32 value, const QPalette &palette);

// The 0x00BBGGRR value of a colour (alpha dropped).
quint32 fromQColor(const QColor &color);

} // namespace platform
