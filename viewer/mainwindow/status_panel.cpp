// The status labels, the move-list box, the command state and the four move commands.

#include "frmmain.h"
#include "hosted_board.h"
#include "viewer/database/game_text.h"
#include "viewer/database/database_commands.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>

// The halfmove clock counts plies: fifty moves without a pawn move or capture have passed
// when it reaches 100.
static constexpr qint16 FiftyMovesInPlies = 100;

void FrmMain::ShowBoardStatus()
{
    platform::BoardProxy &b = board();
    m_lblPly->setText(QStringLiteral("Ply: ") + QString::number(b.Ply()));
    m_lblMoveNumber->setText(QStringLiteral("Move #: ") + QString::number(b.MoveNumber()));
    m_lblEPSquare->setText(QStringLiteral("EP Square: ") + b.EP_Square());
    m_lblFifty->setText(QStringLiteral("50 Move: ") + QString::number(b.PMCapture()));
    m_lblMoveText->setText(QStringLiteral("Move: ") + b.MoveText());
    m_lblCastle->setText(QStringLiteral("Castle: ") + b.CastleOption());
    m_lblOnMove->setText(QStringLiteral("On Move: ") + b.OnMove());
    m_lblGameLength->setText(QStringLiteral("Length: ") + QString::number(b.GameLength()));
    m_txtAnnotation->setPlainText(game_text::boxText(b.ReadAnnotation()));
}

void FrmMain::ShowMoveList()
{
    const QString &style = m_state.MoveListStyle;
    if (style == QLatin1String("A"))
        m_txtMoveList->setPlainText(game_text::boxText(game_text::annotatedMoveList(board().MoveList_A())));
    else if (style == QLatin1String("P"))
        m_txtMoveList->setPlainText(game_text::boxText(game_text::paragraphMoveList(board().MoveList_P())));
    else if (style == QLatin1String("L"))
        m_txtMoveList->setPlainText(game_text::boxText(board().MoveList_L()));
    HighlightCurrentMove();
}

void FrmMain::HighlightCurrentMove()
{
    const QString search = game_text::moveNumberSearchText(board().MoveNumber_Move());
    const qsizetype at = m_txtMoveList->toPlainText().indexOf(search);
    if (at < 0)
        return;
    m_txtMoveList->setFocus();
    QTextCursor cursor = m_txtMoveList->textCursor();
    cursor.setPosition(int(at));
    cursor.setPosition(int(at + search.size()), QTextCursor::KeepAnchor);
    m_txtMoveList->setTextCursor(cursor);
}

void FrmMain::UpdateCommandState()
{
    platform::BoardProxy &b = board();
    const pavisto::ViewerState &state = m_state;
    const qint16 ply = b.Ply();
    const qint16 length = b.GameLength();
    const int index = listIndex();
    const int entries = listCount();
    auto item = [this](const char *name) { return menuItem(QLatin1String(name)); };
    auto button = [this](const char *key) { return toolbarButton(QLatin1String(key)); };

    setItemsEnabled({button("Start"), item("mnuPlayerMoveFirst")}, ply >= 1);
    setItemsEnabled({button("Back"), item("mnuPlayerMovePrevious")}, ply >= 1);
    setItemsEnabled({button("Forward"), item("mnuPlayerMoveNext")}, ply < length);
    setItemsEnabled({button("End"), item("mnuPlayerMoveLast")}, ply < length);
    setItemsEnabled({button("Prev"), item("mnuPlayerPreviousGame")}, index >= 1);
    setItemsEnabled({button("Next"), item("mnuPlayerNextGame")}, index < entries - 1);
    setItemsEnabled({item("mnuFileSave"), button("Save")}, b.GameChanged());
    setItemsEnabled({button("SaveAll"), item("mnuFileSaveAll")}, state.FileChanged);
    setItemsEnabled({item("mnuFileSaveAllAs")}, !state.PGNFileName.isEmpty() || entries >= 1);
    setItemsEnabled({item("mnuFileLoad"), button("Load")}, entries >= 1);
    setItemsEnabled({item("mnuEditmarkDeleted"), button("Delete"), button("Find"), button("Close")},
                    entries >= 1);
    if (state.AutoPlayOn) {
        setItemsEnabled({button("StopAP"), item("mnuPlayerStopAP")}, true);
        setItemsEnabled({button("StartAP"), item("mnuPlayerStartAP")}, false);
    } else {
        setItemsEnabled({button("StartAP"), item("mnuPlayerStartAP")}, ply < length);
        setItemsEnabled({button("StopAP"), item("mnuPlayerStopAP")}, false);
    }

    m_panels[0]->setText(entries >= 1 ? QStringLiteral("Game %1 Of %2").arg(index + 1).arg(entries)
                                      : QString());
    m_panels[1]->setText(game_text::lastMoveText(ply, ply > 0 ? b.forsythOfPly(ply) : QString(),
                                                 b.MoveNumber_Move(), b.MoveText()));

    if (b.PMCapture() == FiftyMovesInPlies) {
        platform::messageBox(QStringLiteral("Fifty move rule:\r\n\r\n"
                                            "It has been 50 moves since the last pawn move or capture."),
                             platform::MessageButtons::Ok, platform::MessageIcon::Information,
                             QStringLiteral("50 Move Rule"));
    }
}

void FrmMain::mnuPlayerMoveFirst_Click()
{
    board().MoveFirst();
    HighlightCurrentMove();
}

void FrmMain::mnuPlayerMovePrevious_Click()
{
    board().MovePrevious();
    HighlightCurrentMove();
}

void FrmMain::mnuPlayerMoveNext_Click()
{
    board().MoveNext();
    HighlightCurrentMove();
}

void FrmMain::mnuPlayerMoveLast_Click()
{
    board().MoveLast();
    HighlightCurrentMove();
}
