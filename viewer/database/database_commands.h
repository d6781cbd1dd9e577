#pragma once

#include <QString>

namespace pavisto {

class DatabaseHost;
class GameListModel;
struct ViewerState;

// The File and Edit commands that read, write or discard games, and the two
// unsaved-changes prompts that guard them. Questions go through platform::prompts().
class DatabaseCommands final {
public:
    DatabaseCommands(ViewerState &state, GameListModel &list, DatabaseHost &host);

    // Empties the database, the game list and the preview.
    void ClearDatabase();
    // One game-list entry per game; the first status panel shows the count.
    void FillGameList();

    // The unsaved-game and unsaved-file prompts; CancelPending tells whether the user
    // cancelled (for the file prompt also when the save it asked for did not complete).
    void AskSaveGame();
    void AskSaveFile();

    void open();
    // Reads a file into the database, as Open does once the file is chosen.
    void loadFile(const QString &path);
    void saveGame();
    void saveGameAs();
    // Save All and Save All As return whether the file was written.
    bool saveAll();
    bool saveAllAs();
    void markAsDeleted();
    void close();
    void newGame();
    // The prompts run when the main window is about to close; false keeps it open.
    bool mayExit();

private:
    // The unsaved-game and then the unsaved-file prompt; false when either was cancelled.
    bool askToKeepUnsavedWork();
    void reportWriteFailure(const QString &description);

    ViewerState &m_state;
    GameListModel &m_list;
    DatabaseHost &m_host;
};

} // namespace pavisto
