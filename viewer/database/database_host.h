#pragma once

#include <QString>
#include <QStringList>

namespace pavisto {

// What the database commands need from the main window and its board. The main window
// implements it; tests use a fake. Window-only effects have empty defaults.
class DatabaseHost {
public:
    virtual ~DatabaseHost() = default;

    // The main board.
    virtual bool gameChanged() const = 0;
    virtual void setGameChanged(bool changed) = 0;
    virtual QString annotatedMoveList() const = 0; // the board's MoveList_A

    // The main window's boxes.
    virtual QStringList tagLines() const = 0;      // lines of lstTags
    virtual QString moveListText() const = 0;      // txtMoveList as shown
    virtual int selectedGameIndex() const = 0;     // list index of lstPGNFiles, -1 for none
    // Sets the game list's index, which runs the window's selection handling.
    virtual void selectGameIndex(int index) = 0;

    // Routines of the main window.
    virtual void SetupNewGame() = 0;
    virtual void UpdateCommandState() {}
    virtual void ShowBoardStatus() {}

    virtual void setCaption(const QString &) {}
    virtual void setGameCountStatus(const QString &) {} // first status-bar panel
    virtual void clearPreview() {}                      // txtPreview
    virtual bool markDeletedChecked() const = 0;        // mnuEditmarkDeleted
    virtual void setMarkDeletedChecked(bool checked) = 0;
    virtual void setDeleteButtonPressed(bool) {}

    // The progress window of the import.
    virtual void showProgress(const QString & /*path*/) {}
    virtual void updateProgress(int /*count*/, int /*percent*/) {}
    virtual void closeProgress() {}
};

} // namespace pavisto
