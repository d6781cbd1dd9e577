#include "frm_variation.h"
#include "hosted_board.h"

#include "platform/units.h"
#include "viewer/database/viewer_state.h"

#include <QCloseEvent>
#include <QVBoxLayout>

FrmVariation::FrmVariation(const pavisto::ViewerState &state, QWidget *parent)
    : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmVariation"));
    setWindowTitle(QStringLiteral("Variation Board"));
    resize(platform::twipsToPixels(7470), platform::twipsToPixels(5745));
    m_board = new HostedBoard(this);
    auto *layout = new QVBoxLayout(this);
    if (QWidget *boardWidget = board().widget()) {
        boardWidget->setObjectName(QStringLiteral("Tolvar1"));
        layout->addWidget(boardWidget, 0, Qt::AlignLeft | Qt::AlignTop);
    }
}

platform::BoardProxy &FrmVariation::board() const
{
    return m_board->proxy();
}

void FrmVariation::closeEvent(QCloseEvent *event)
{
    if (m_state.MainWindowOpen) {
        hide();
        event->ignore();
        return;
    }
    event->accept();
}
