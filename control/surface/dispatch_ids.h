#pragma once

#include "platform/dispatch_object.h"

// The dispatch identifiers the control's own code refers to by name. The full tables,
// every member with its identifier, are in control_properties.cpp and control_methods.cpp.
namespace tolvar::dispid {

using platform::DispId;

// Properties.
inline constexpr DispId MoveNumber_Move = 0x68030000;
inline constexpr DispId ReturnMove = 0x68030001;
inline constexpr DispId ReturnForsyth = 0x68030002;
inline constexpr DispId GameResult = 0x68030003;
inline constexpr DispId GameChanged = 0x68030004;
inline constexpr DispId EP_Square = 0x68030005;
inline constexpr DispId MoveList_L = 0x68030006;
inline constexpr DispId MoveList_P = 0x68030007;
inline constexpr DispId MoveList_A = 0x68030008;
inline constexpr DispId GameLength = 0x68030009;
inline constexpr DispId OnMove = 0x6803000A;
inline constexpr DispId CastleOption = 0x6803000B;
inline constexpr DispId PMCapture = 0x6803000C;
inline constexpr DispId MoveList = 0x6803000D;
inline constexpr DispId MoveText = 0x6803000E;
inline constexpr DispId Forsyth = 0x6803000F;
inline constexpr DispId Ply = 0x68030010;
inline constexpr DispId MoveNumber = 0x68030011;
inline constexpr DispId BlackPlayer = 0x68030012;
inline constexpr DispId WhitePlayer = 0x68030013;
inline constexpr DispId DisplayCoordinates = 0x68030014;
inline constexpr DispId ForeColor = 0x68030015;
inline constexpr DispId BackStyle = 0x68030016;
inline constexpr DispId AutoRedraw = 0x68030017;
inline constexpr DispId Appearance = 0x68030018;
inline constexpr DispId Enabled = 0x68030019;
inline constexpr DispId BackColor = 0x6803001A;
inline constexpr DispId BorderStyle = 0x6803001B;
inline constexpr DispId DisplayNameLabels = 0x6803001C;
inline constexpr DispId LightSquareColor = 0x6803001D;
inline constexpr DispId DarkSquareColor = 0x6803001E;
inline constexpr DispId ColorView = 0x6803001F;
inline constexpr DispId PromotionPiece = 0x68030020;

// Methods with arguments or results.
inline constexpr DispId GameReset = 0x60030067;
inline constexpr DispId MoveFirst = 0x60030068;
inline constexpr DispId MoveNext = 0x60030069;
inline constexpr DispId MoveLast = 0x6003006A;
inline constexpr DispId MovePrevious = 0x6003006B;
inline constexpr DispId LoadGame = 0x6003006C;
inline constexpr DispId LoadFEN = 0x6003006F;
inline constexpr DispId LoadSetup = 0x60030072;
inline constexpr DispId LoadMove = 0x60030078;
inline constexpr DispId NavigatePly = 0x60030079;
inline constexpr DispId Refresh = 0x6003007B;
inline constexpr DispId WriteAnnotation = 0x6003007E;
inline constexpr DispId ReadAnnotation = 0x6003007F;
inline constexpr DispId DoReturnForsyth = 0x60030083;
inline constexpr DispId DoReturnMove = 0x60030084;

} // namespace tolvar::dispid
