// Auto play: one move per tick of Timer1 and, at the end of a game, what the mode says.

#include "frmmain.h"
#include "hosted_board.h"
#include "viewer/database/database_commands.h"

#include <QTimer>

void FrmMain::mnuPlayerStartAP_Click()
{
    // A speed read unchecked from the startup file may lie outside 1..90; the timer
    // runs with the nearest speed the options allow.
    m_timer1->setInterval(pavisto::autoPlaySpeedInRange(m_state.AutoPlaySpeed) * 1000);
    m_timer1->start();
    m_state.AutoPlayOn = true;
    setItemsEnabled({toolbarButton(QStringLiteral("StartAP")), menuItem(QStringLiteral("mnuPlayerStartAP"))}, false);
    setItemsEnabled({toolbarButton(QStringLiteral("StopAP")), menuItem(QStringLiteral("mnuPlayerStopAP"))}, true);
    UpdateCommandState();
}

void FrmMain::mnuPlayerStopAP_Click()
{
    m_timer1->stop();
    m_state.AutoPlayOn = false;
    setItemsEnabled({toolbarButton(QStringLiteral("StartAP")), menuItem(QStringLiteral("mnuPlayerStartAP"))}, true);
    setItemsEnabled({toolbarButton(QStringLiteral("StopAP")), menuItem(QStringLiteral("mnuPlayerStopAP"))}, false);
    UpdateCommandState();
}

void FrmMain::AutoPlay()
{
    // A tick inside the event loop of an open prompt waits for the next one.
    if (m_prompts.isOpen())
        return;
    const QString &mode = m_state.AutoPlayMode;
    const bool atEnd = board().Ply() == board().GameLength();
    if (mode == QLatin1String("PS")) {
        if (atEnd) {
            m_timer1->stop();
            mnuPlayerStopAP_Click();
        } else {
            mnuPlayerMoveNext_Click();
        }
    } else if (mode == QLatin1String("PR")) {
        if (atEnd) {
            m_timer1->stop();
            board().NavigatePly(0);
            // The board raises no event for a jump; the labels follow it here.
            ShowBoardStatus();
            UpdateCommandState();
            m_timer1->start();
        } else {
            mnuPlayerMoveNext_Click();
        }
    } else if (mode == QLatin1String("PNP") || mode == QLatin1String("PPP")) {
        if (!atEnd) {
            mnuPlayerMoveNext_Click();
            return;
        }
        m_timer1->stop();
        const bool next = mode == QLatin1String("PNP");
        if (next ? listIndex() < listCount() - 1 : listIndex() >= 1) {
            if (next)
                mnuPlayerNextGame_Click();
            else
                mnuPlayerPreviousGame_Click();
            if (m_state.AutoPlayOn)
                m_timer1->start();
        } else {
            mnuPlayerStopAP_Click();
        }
    }
}
