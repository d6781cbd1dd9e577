#include "variation_link.h"
#include "viewer/database/game_text.h"

#include <QPlainTextEdit>

platform::BoardProxy &FrmMain::VariationLink::mainBoard()
{
    return m_window.board();
}

QStringList FrmMain::VariationLink::mainTagLines() const
{
    return m_window.tagLines();
}

void FrmMain::VariationLink::setMainMoveListText(const QString &crlfText)
{
    m_window.m_txtMoveList->setPlainText(game_text::boxText(crlfText));
}

void FrmMain::VariationLink::refreshAfterSend()
{
    m_window.UpdateCommandState();
    m_window.SetPlayerNames();
    m_window.ShowBoardStatus();
    m_window.ShowMoveList();
    m_window.UpdateCommandState();
}
