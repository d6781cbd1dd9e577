// Annotation editing and the jump to a move by double-clicking its number.

#include "frmmain.h"
#include "hosted_board.h"
#include "viewer/database/game_text.h"
#include "viewer/database/database_commands.h"

#include <QPlainTextEdit>
#include <QTextCursor>

void FrmMain::cmdSetAnno_Click()
{
    board().WriteAnnotation(game_text::crlfText(m_txtAnnotation->toPlainText()));
    board().setGameChanged(true);
    UpdateCommandState();
    if (m_state.MoveListStyle == QLatin1String("A"))
        ShowMoveList();
}

void FrmMain::cmdClearAnnotation_Click()
{
    m_txtAnnotation->clear();
    board().setGameChanged(true);
    UpdateCommandState();
    if (m_state.MoveListStyle == QLatin1String("A"))
        ShowMoveList();
}

void FrmMain::txtMoveList_DblClick()
{
    // The box's own double-click selects letters and digits only; the jump reads the
    // whole word between blanks, so that "12." keeps its point.
    QTextCursor cursor = m_txtMoveList->textCursor();
    int start = 0;
    const QString word = game_text::wordAt(m_txtMoveList->toPlainText(), cursor.selectionStart(), &start);
    cursor.setPosition(start);
    cursor.setPosition(start + int(word.size()), QTextCursor::KeepAnchor);
    m_txtMoveList->setTextCursor(cursor);

    const std::optional<qint16> ply = game_text::jumpTargetPly(m_state.MoveListStyle, word);
    if (!ply)
        return;
    board().NavigatePly(*ply);
    ShowBoardStatus();
    UpdateCommandState();
}
