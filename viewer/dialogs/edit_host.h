#pragma once

#include <QString>
#include <QStringList>

namespace platform {
class BoardProxy;
}

namespace pavisto {
struct ViewerState;
}

// What the options, tag editor, find and setup windows use of the main window. The
// main window implements it, so the windows need no header of it.
class EditHost {
public:
    virtual ~EditHost() = default;

    virtual pavisto::ViewerState &state() = 0;
    virtual platform::BoardProxy &mainBoard() = 0;
    // The variation board's control; nullptr when it has none.
    virtual platform::BoardProxy *variationBoard() = 0;

    // The main window's tag list lstTags: its lines, the selected line (-1 for none),
    // and replacing all lines.
    virtual QStringList tagLines() const = 0;
    virtual int selectedTagLine() const = 0;
    virtual void setTagLines(const QStringList &lines) = 0;

    // The game list lstPGNFiles: number of entries, the selected one (-1 for none), and
    // selecting one as a click does (which shows its preview); -1 selects none.
    virtual int gameListCount() const = 0;
    virtual int selectedGame() const = 0;
    virtual void selectGame(int index) = 0;

    // The main window's routines.
    virtual void ShowMoveList() = 0;
    virtual void SetPlayerNames() = 0;
    virtual void UpdateCommandState() = 0;
    // The New command; false when the user cancelled its unsaved-game prompt.
    virtual bool newGame() = 0;
    // Enables the Save Game menu item and the "Save" toolbar button.
    virtual void enableSaveGame() = 0;
    // Shows the Variation Board menu item.
    virtual void revealVariationBoard() = 0;
};
