#include "database_commands.h"

#include "database_host.h"
#include "file_io.h"
#include "game_list_model.h"
#include "pgn_export.h"
#include "pgn_import.h"
#include "viewer_state.h"

#include "platform/busy_pointer.h"
#include "platform/prompts.h"

#include <optional>

namespace pavisto {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

const QString PgnFilter = QStringLiteral("PGN files (*.pgn) | *.pgn|Text files (*.txt) | *.txt|All files (*.*) | *.*");
const QString CaptionPrefix = QStringLiteral("Ludrin Basics - ");

std::optional<QString> chooseFile(bool forSaving)
{
    const platform::FileRequest request{QString(), PgnFilter, QString()};
    std::optional<QString> path =
        forSaving ? platform::prompts().saveFileName(request) : platform::prompts().openFileName(request);
    if (path && path->isEmpty())
        path.reset();
    return path;
}

} // namespace

DatabaseCommands::DatabaseCommands(ViewerState &state, GameListModel &list, DatabaseHost &host)
    : m_state(state), m_list(list), m_host(host)
{
}

void DatabaseCommands::ClearDatabase()
{
    const platform::BusyPointer busy;
    m_state.Games.clear();
    m_state.GameResultText.clear();
    m_list.clear();
    m_host.clearPreview();
}

void DatabaseCommands::FillGameList()
{
    const int count = m_state.Games.isAllocated() ? m_state.Games.count() : 0;
    m_host.setGameCountStatus(QString::number(count) + QStringLiteral(" Games"));
    m_list.refill();
}

void DatabaseCommands::AskSaveGame()
{
    m_state.CancelPending = false;
    if (!m_host.gameChanged())
        return;
    const MessageAnswer answer =
        platform::messageBox(QStringLiteral("The game has changed. Save changes before continuing?"),
                             MessageButtons::YesNoCancel, MessageIcon::Question, QStringLiteral("Unsaved Game Changes"));
    if (answer == MessageAnswer::Cancel)
        m_state.CancelPending = true;
    else if (answer == MessageAnswer::Yes)
        saveGame();
}

void DatabaseCommands::AskSaveFile()
{
    m_state.CancelPending = false;
    if (!m_state.FileChanged)
        return;
    const MessageAnswer answer =
        platform::messageBox(QStringLiteral("The PGN file has changed. Save changes before continuing?"),
                             MessageButtons::YesNoCancel, MessageIcon::Question, QStringLiteral("Unsaved File Changes"));
    // A Save All that did not write the file must not let the caller throw the
    // games away.
    if (answer == MessageAnswer::Cancel || (answer == MessageAnswer::Yes && !saveAll()))
        m_state.CancelPending = true;
}

void DatabaseCommands::open()
{
    if (!askToKeepUnsavedWork())
        return;
    const std::optional<QString> path = chooseFile(false);
    if (!path)
        return;
    m_state.PGNFileName = *path;
    ClearDatabase();
    m_host.SetupNewGame();
    loadFile(*path);
}

void DatabaseCommands::loadFile(const QString &path)
{
    m_host.showProgress(path);
    std::optional<platform::BusyPointer> busy(std::in_place);
    FileContents contents = readFileBytes(path);
    const ImportResult result = importPgn(m_state.Games, std::move(contents.bytes),
                                          [this](int count, int percent) { m_host.updateProgress(count, percent); });
    m_host.closeProgress();
    // The games read before a failure stay and are listed, so the list and the
    // database agree; nothing new was added, so there is nothing unsaved either.
    if (contents.error || result.limitReached) {
        busy.reset();
        if (contents.error)
            platform::messageBox(*contents.error, MessageButtons::Ok, MessageIcon::None, QString());
        else
            platform::messageBox(QStringLiteral("Maximum Limit Of Database Reached"), MessageButtons::Ok,
                                 MessageIcon::None, QStringLiteral("Ludrin Basics Limit = 32,000 Games"));
        busy.emplace();
    }
    if (!contents.error)
        m_host.setCaption(CaptionPrefix + path);
    FillGameList();
    m_host.clearPreview();
    if (!contents.error && result.count >= 1)
        m_host.selectGameIndex(0);
    m_host.UpdateCommandState();
    m_state.FileChanged = false;
}

void DatabaseCommands::saveGame()
{
    GameDatabase &games = m_state.Games;
    const bool isNew = !games.contains(m_state.CurrentGame);
    const QString tags = savedGameTags(m_host.tagLines());
    const QString moves = savedGameMoves(m_host.annotatedMoveList());
    int game = m_state.CurrentGame;
    // A new game saved before any file was opened creates the database.
    if (isNew)
        game = games.appendGame(tags, moves);
    else
        games.replaceGame(game, tags, moves);
    m_host.setGameChanged(false);
    FillGameList();
    if (isNew)
        m_state.CurrentGame = qint16(game);
    m_host.selectGameIndex(m_state.CurrentGame - 1);
    m_state.FileChanged = true;
    m_host.setGameChanged(false);
    m_host.UpdateCommandState();
}

void DatabaseCommands::saveGameAs()
{
    const std::optional<QString> path = chooseFile(true);
    if (!path)
        return;
    std::optional<platform::BusyPointer> busy(std::in_place);
    const QString text = gameFileText(m_host.tagLines(), m_host.moveListText());
    const TextEncoding encoding = m_state.Games.isAllocated() ? m_state.Games.encoding() : TextEncoding::Utf8;
    if (const std::optional<QString> error = saveText(text, encoding, *path)) {
        busy.reset();
        reportWriteFailure(*error);
    }
}

bool DatabaseCommands::saveAll()
{
    if (m_list.rowCount() == 0) {
        platform::messageBox(QStringLiteral("There are no saved games to export.\r\n\r\nSave a PGN game and try again."),
                             MessageButtons::Ok, MessageIcon::Exclamation, QStringLiteral("No Games To Export"));
        return false;
    }
    AskSaveGame();
    if (m_state.CancelPending)
        return false;
    if (m_state.PGNFileName.isEmpty()) {
        const std::optional<QString> path = chooseFile(true);
        if (!path)
            return false;
        m_state.PGNFileName = *path;
    }
    std::optional<platform::BusyPointer> busy(std::in_place);
    if (const std::optional<QString> error = saveDatabase(m_state.Games, m_state.PGNFileName)) {
        busy.reset();
        reportWriteFailure(*error);
        return false;
    }
    m_state.FileChanged = false;
    m_host.setCaption(CaptionPrefix + m_state.PGNFileName);
    m_host.UpdateCommandState();
    return true;
}

bool DatabaseCommands::saveAllAs()
{
    m_state.PGNFileName.clear();
    return saveAll();
}

void DatabaseCommands::markAsDeleted()
{
    const bool deleted = !m_host.markDeletedChecked();
    m_host.setMarkDeletedChecked(deleted);
    if (!m_state.Games.isAllocated())
        return;
    m_state.Games.setDeleted(m_host.selectedGameIndex() + 1, deleted);
    m_host.setDeleteButtonPressed(deleted);
}

void DatabaseCommands::close()
{
    if (!askToKeepUnsavedWork())
        return;
    const MessageAnswer answer = platform::messageBox(
        QStringLiteral("This will remove all loaded games from memory. Do you want to continue ?"),
        MessageButtons::YesNo, MessageIcon::Exclamation, QStringLiteral("Confirm Clear All Games"));
    if (answer != MessageAnswer::Yes)
        return;
    const platform::BusyPointer busy;
    m_state.PGNFileName.clear();
    m_state.FileChanged = false;
    ClearDatabase();
    m_host.SetupNewGame();
    m_host.UpdateCommandState();
}

void DatabaseCommands::newGame()
{
    AskSaveGame();
    if (m_state.CancelPending)
        return;
    m_host.SetupNewGame();
    m_host.UpdateCommandState();
    m_host.ShowBoardStatus();
}

bool DatabaseCommands::mayExit()
{
    return askToKeepUnsavedWork();
}

bool DatabaseCommands::askToKeepUnsavedWork()
{
    AskSaveGame();
    if (!m_state.CancelPending)
        AskSaveFile();
    return !m_state.CancelPending;
}

void DatabaseCommands::reportWriteFailure(const QString &description)
{
    // The message is the system's own, so the user learns the file was not saved
    // and why; FileChanged stays as it was.
    platform::messageBox(description, MessageButtons::Ok, MessageIcon::None, QString());
}

} // namespace pavisto
