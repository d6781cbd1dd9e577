#include "frm_variation.h"
#include "board_proxy.h"

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
    m_board = new BoardProxy(this);
    auto *layout = new QVBoxLayout(this);
    if (QWidget *boardWidget = m_board->widget()) {
        boardWidget->setObjectName(QStringLiteral("Tolvar1"));
        layout->addWidget(boardWidget, 0, Qt::AlignLeft | Qt::AlignTop);
    }
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
