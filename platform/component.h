#pragma once

#include "dispatch_object.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace platform {

class EventSink;
class PropertyBag;

// A created component: its window and its dispatch interface (the same object).
struct Component {
    QPointer<QWidget> widget;
    DispatchObject *dispatch = nullptr;

    explicit operator bool() const { return widget && dispatch; }
};

// Creates an instance of the component registered under the class identifier as a
// child of parent, connects the sink (so the host hears the events of the
// initialisation too) and initialises it: from the bag when one is given, else as a
// new instance. An empty result when no plugin carries the identifier.
Component createComponent(const QString &classId, QWidget *parent, EventSink *sink = nullptr,
                          const PropertyBag *bag = nullptr);

} // namespace platform
