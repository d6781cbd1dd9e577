#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QtPlugin>

#include <optional>

namespace platform {

class PropertyBag;

// The numeric identifier of a property, a method or an event of a component.
using DispId = qint32;

// What a host hands a component to hear from it. Both calls arrive synchronously,
// inside the method call or user action that causes them.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void componentEvent(DispId eventId) = 0;
    // Sent under the property's own name before a property write does anything else.
    virtual void propertyChanged(const QString &name) = 0;
};

// The late-bound surface of a component: every member is reached by its dispatch
// identifier, values cross as QVariant, and nothing is ever thrown across it.
class DispatchObject {
public:
    virtual ~DispatchObject() = default;

    // The property's value, or nothing when the identifier names no readable property.
    virtual std::optional<QVariant> getProperty(DispId id) = 0;
    // False when the identifier names no writable property.
    virtual bool putProperty(DispId id, const QVariant &value) = 0;
    // Calls a method; its arguments are passed by reference, so the method may write
    // results back into them. Nothing when the identifier names no method or the
    // argument count does not fit.
    virtual std::optional<QVariant> invoke(DispId id, QVariantList &arguments) = 0;
    // The member names, for hosts that want to show them; an empty text for unknown ids.
    virtual QString memberName(DispId id) const = 0;

    // Connects the host's sink (nullptr disconnects). The caller keeps ownership.
    virtual void connectEvents(EventSink *sink) = 0;

    // Life cycle: exactly one of initNew() or load() runs once after creation.
    virtual void initNew() = 0;
    virtual void load(const PropertyBag &bag) = 0;
    virtual void save(PropertyBag &bag) const = 0;
};

// Convenience for calls without arguments.
inline std::optional<QVariant> invoke(DispatchObject &object, DispId id)
{
    QVariantList none;
    return object.invoke(id, none);
}

} // namespace platform

#define PLATFORM_DISPATCH_OBJECT_IID "Pavisto.Platform.DispatchObject/1.0"
Q_DECLARE_INTERFACE(platform::DispatchObject, PLATFORM_DISPATCH_OBJECT_IID)
