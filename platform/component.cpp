#include "component.h"

#include "component_registry.h"
#include "property_bag.h"

namespace platform {

Component createComponent(const QString &classId, QWidget *parent, EventSink *sink,
                          const PropertyBag *bag)
{
    ComponentFactory *factory = componentFactory(classId);
    if (!factory)
        return {};
    QWidget *widget = factory->createInstance(parent);
    auto *dispatch = qobject_cast<DispatchObject *>(widget);
    if (!dispatch) {
        delete widget;
        return {};
    }
    dispatch->connectEvents(sink);
    if (bag)
        dispatch->load(*bag);
    else
        dispatch->initNew();
    return {widget, dispatch};
}

} // namespace platform
