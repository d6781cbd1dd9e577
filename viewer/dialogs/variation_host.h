#pragma once

#include <QString>
#include <QStringList>

namespace platform {
class BoardProxy;
}

// What the variation board needs of the main window: its board, the tag lines of the
// game it shows, its move-list box and its refresh after a game was sent to it.
class VariationHost {
public:
    virtual ~VariationHost() = default;

    virtual platform::BoardProxy &mainBoard() = 0;
    // The lines of the main tag list, in order.
    virtual QStringList mainTagLines() const = 0;
    virtual void setMainMoveListText(const QString &crlfText) = 0;
    // UpdateCommandState, SetPlayerNames, ShowBoardStatus, ShowMoveList and
    // UpdateCommandState again.
    virtual void refreshAfterSend() = 0;
};
