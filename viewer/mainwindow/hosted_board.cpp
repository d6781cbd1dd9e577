#include "hosted_board.h"

HostedBoard::HostedBoard(QWidget *parent, const platform::PropertyBag *bag)
    : QObject(parent), m_proxy(platform::BoardProxy::create(parent, this, bag))
{
}

HostedBoard::~HostedBoard()
{
    if (m_proxy.isValid())
        m_proxy.dispatch()->connectEvents(nullptr);
}

void HostedBoard::componentEvent(platform::DispId eventId)
{
    Q_EMIT boardEvent(eventId);
}
