// The status labels, the move-list box, the command state and the four move commands.

#include "frmmain.h"
#include "board_proxy.h"
#include "game_text.h"
#include "viewer/database/database_commands.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>

// The halfmove clock counts plies: fifty moves without a pawn move or capture have passed
// when it reaches 100.
static constexpr qint16 FiftyMovesInPlies = 100;

// The box breaks lines at "\n"; its text goes back to CR LF when saved.
static QString shownText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void FrmMain::ShowBoardStatus()
{
    BoardProxy &b = board();
    m_lblPly->setText(QStringLiteral("Ply: ") + QString::number(b.ply()));
    m_lblMoveNumber->setText(QStringLiteral("Move #: ") + QString::number(b.moveNumber()));
    m_lblEPSquare->setText(QStringLiteral("EP Square: ") + b.epSquare());
    m_lblFifty->setText(QStringLiteral("50 Move: ") + QString::number(b.pmCapture()));
    m_lblMoveText->setText(QStringLiteral("Move: ") + b.moveText());
    m_lblCastle->setText(QStringLiteral("Castle: ") + b.castleOption());
    m_lblOnMove->setText(QStringLiteral("On Move: ") + b.onMove());
    m_lblGameLength->setText(QStringLiteral("Length: ") + QString::number(b.gameLength()));
    m_txtAnnotation->setPlainText(shownText(b.readAnnotation()));
}

void FrmMain::ShowMoveList()
{
    const QString &style = m_state.MoveListStyle;
    if (style == QLatin1String("A"))
        m_txtMoveList->setPlainText(shownText(game_text::annotatedMoveList(board().moveListA())));
    else if (style == QLatin1String("P"))
        m_txtMoveList->setPlainText(shownText(game_text::paragraphMoveList(board().moveListP())));
    else if (style == QLatin1String("L"))
        m_txtMoveList->setPlainText(shownText(board().moveListL()));
    HighlightCurrentMove();
}

void FrmMain::HighlightCurrentMove()
{
    const QString search = game_text::moveNumberSearchText(board().moveNumberMove());
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
    BoardProxy &b = board();
    const pavisto::ViewerState &state = m_state;
    const qint16 ply = b.ply();
    const qint16 length = b.gameLength();
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
    setItemsEnabled({item("mnuFileSave"), button("Save")}, b.gameChanged());
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
                                                 b.moveNumberMove(), b.moveText()));

    if (b.pmCapture() == FiftyMovesInPlies) {
        platform::messageBox(QStringLiteral("Fifty move rule:\r\n\r\n"
                                            "It has been 50 moves since the last pawn move or capture."),
                             platform::MessageButtons::Ok, platform::MessageIcon::Information,
                             QStringLiteral("50 Move Rule"));
    }
}

void FrmMain::mnuPlayerMoveFirst_Click()
{
    board().moveFirst();
    HighlightCurrentMove();
}

void FrmMain::mnuPlayerMovePrevious_Click()
{
    board().movePrevious();
    HighlightCurrentMove();
}

void FrmMain::mnuPlayerMoveNext_Click()
{
    board().moveNext();
    HighlightCurrentMove();
}

void FrmMain::mnuPlayerMoveLast_Click()
{
    board().moveLast();
    HighlightCurrentMove();
}
