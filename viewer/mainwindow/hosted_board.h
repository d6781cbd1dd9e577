#pragma once

#include "platform/board_proxy.h"
#include "platform/dispatch_object.h"

#include <QObject>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

// A board control "Vostra.Tolvar" hosted by one of the viewer's windows: created by
// class identifier, called through the platform's typed proxy, its events re-emitted
// as boardEvent().
class HostedBoard final : public QObject, private platform::EventSink {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HostedBoard)
public:
    // Creates the board as a child of parent, from the bag when one is given. The proxy
    // is invalid when no plugin provides the board.
    explicit HostedBoard(QWidget *parent, const platform::PropertyBag *bag = nullptr);
    ~HostedBoard() override;

    platform::BoardProxy &proxy() { return m_proxy; }

Q_SIGNALS:
    void boardEvent(int eventId);

private:
    void componentEvent(platform::DispId eventId) override;
    void propertyChanged(const QString &) override {}

    platform::BoardProxy m_proxy;
};
