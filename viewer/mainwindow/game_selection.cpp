// Selecting a game in the game list, its preview, Load Game, the new-game template and
// Next / Previous Game.

#include "frmmain.h"
#include "hosted_board.h"
#include "viewer/database/game_text.h"
#include "viewer/database/database_commands.h"

#include "platform/busy_pointer.h"

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>

int FrmMain::listIndex() const
{
    return m_lstPGNFiles->currentIndex().row();
}

int FrmMain::listCount() const
{
    return m_lstPGNFiles->model()->rowCount();
}

void FrmMain::selectListIndex(int index)
{
    const QModelIndex item = m_lstPGNFiles->model()->index(index, 0);
    m_lstPGNFiles->setCurrentIndex(item);
    m_lstPGNFiles->scrollTo(item);
}

void FrmMain::lstPGNFiles_Click()
{
    const int game = listIndex() + 1;
    if (!m_state.Games.contains(game))
        return;
    m_txtPreview->setPlainText(m_state.Games.moves(game));
    m_panels[0]->setText(QStringLiteral("Game %1 of %2").arg(game).arg(listCount()));
    showDeletedState(m_state.Games.isDeleted(game));
}

void FrmMain::showDeletedState(bool deleted)
{
    toolbarButton(QStringLiteral("Delete"))->setChecked(deleted);
    menuItem(QStringLiteral("mnuEditmarkDeleted"))->setChecked(deleted);
}

void FrmMain::LoadGame()
{
    m_commands->AskSaveGame();
    if (m_state.CancelPending)
        return;
    const pavisto::GameDatabase &games = m_state.Games;
    if (games.contains(listIndex() + 1))
        m_txtPreview->setPlainText(games.moves(listIndex() + 1));
    if (listCount() == 0) {
        platform::messageBox(QStringLiteral("There are no games to select from."), platform::MessageButtons::Ok,
                             platform::MessageIcon::None, QStringLiteral("No Games"));
        return;
    }
    platform::BusyPointer busy;
    if (listIndex() < 0)
        selectListIndex(0);
    const int game = listIndex() + 1;
    m_state.CurrentGame = qint16(game);
    ShowTagList();
    CheckForForsyth();
    if (!board().isValid()) {
        platform::messageBox(QStringLiteral("Error loading game. This game cannot be loaded."),
                             platform::MessageButtons::Ok, platform::MessageIcon::Exclamation,
                             QStringLiteral("Game Error"));
        return;
    }
    const QString moves = games.moves(game);
    if (m_isSetupGame)
        board().LoadSetup(m_setupFEN, moves);
    else
        board().LoadGame(moves);
    SetPlayerNames();
    ShowBoardStatus();
    ShowMoveList();
    UpdateCommandState();
    showDeletedState(games.isDeleted(game));
}

void FrmMain::ShowTagList()
{
    m_lstTags->clear();
    m_lstTags->addItems(game_text::nonEmptyLines(m_state.Games.tags(m_state.CurrentGame)));
}

void FrmMain::CheckForForsyth()
{
    QStringList lines;
    for (int i = 0; i < m_lstTags->count(); ++i)
        lines << m_lstTags->item(i)->text();
    const game_text::SetupPosition setup = game_text::checkForForsyth(lines);
    m_isSetupGame = setup.isSetupGame;
    m_setupFEN = setup.fen;
}

void FrmMain::SetPlayerNames()
{
    const game_text::PlayerNames names = game_text::playerNames(m_state.Games.listText(listIndex() + 1));
    if (names.white)
        board().setWhitePlayer(*names.white);
    if (names.black)
        board().setBlackPlayer(*names.black);
}

void FrmMain::SetupNewGame()
{
    board().GameReset();
    m_txtMoveList->clear();
    m_lstTags->clear();
    m_lstTags->addItems({
        QStringLiteral("[Event \"?\"]"),
        QStringLiteral("[Site \"?\"]"),
        QStringLiteral("[Date \"????.??.??\"]"),
        QStringLiteral("[Round \"?\"]"),
        QStringLiteral("[White \"?\"]"),
        QStringLiteral("[Black \"?\"]"),
        QStringLiteral("[Result \"*\"]"),
    });
    m_state.CurrentGame = -1;
}

void FrmMain::mnuPlayerNextGame_Click()
{
    const int index = listIndex();
    if (index < 0 || index >= listCount() - 1)
        return;
    selectListIndex(index + 1);
    LoadGame();
}

void FrmMain::mnuPlayerPreviousGame_Click()
{
    const int index = listIndex();
    if (index < 1)
        return;
    selectListIndex(index - 1);
    LoadGame();
}
