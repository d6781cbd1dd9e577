#pragma once

#include "game_database.h"

#include <QString>
#include <QtGlobal>

namespace pavisto {

// The viewer-wide state shared by the main window, the dialogs and the database
// commands. One instance lives for the whole run.
struct ViewerState {
    GameDatabase Games;
    qint16 CurrentGame = -1;     // game on the main board, -1 for a new game
    QString PGNFileName;         // file last opened or written by Save All
    bool FileChanged = false;    // the database differs from the file
    bool CancelPending = false;  // the last unsaved-changes prompt was cancelled
    QString MoveListStyle = QStringLiteral("L");  // "A", "P" or "L"
    QString AutoPlayMode = QStringLiteral("PNP"); // "PS", "PR", "PNP" or "PPP"
    qint16 AutoPlaySpeed = 1;    // seconds between auto-play moves
    bool AutoPlayOn = false;
    bool MainWindowOpen = false;
    QString GameResultText;      // Result tag as last applied by the tag editor
};

inline constexpr qint16 MinAutoPlaySpeed = 1;
inline constexpr qint16 MaxAutoPlaySpeed = 90;

// The speed auto play runs at: a value read from the startup file outside 1..90 is
// taken as the nearest value inside.
inline qint16 autoPlaySpeedInRange(qint16 speed)
{
    return qBound(MinAutoPlaySpeed, speed, MaxAutoPlaySpeed);
}

} // namespace pavisto
