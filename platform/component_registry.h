#pragma once

#include <QString>
#include <QStringList>
#include <QtPlugin>

#include <optional>

QT_BEGIN_NAMESPACE
class QObject;
class QWidget;
QT_END_NAMESPACE

namespace platform {

// What a component plugin exports: it makes instances of its one class. An instance is
// a QWidget that also implements DispatchObject; it is not yet initialised.
class ComponentFactory {
public:
    virtual ~ComponentFactory() = default;
    virtual QWidget *createInstance(QWidget *parent) = 0;
};

// A component plugin as its metadata ("ClassId", "TypeLibrary", "Description") names it.
struct ComponentInfo {
    QString classId;
    QString typeLibrary;
    QString description;
    QString fileName;
};

// Folders searched for component plugins, in order: the program's folder, the install
// location lib/pavisto, then every folder added here.
QStringList componentSearchPaths();
void addComponentSearchPath(const QString &folder);

// The first plugin in the search folders whose metadata carries the class identifier.
std::optional<ComponentInfo> findComponent(const QString &classId);

// The factory of that plugin, loading it once per process; nullptr when there is none
// or it fails to load.
ComponentFactory *componentFactory(const QString &classId);

} // namespace platform

#define PLATFORM_COMPONENT_FACTORY_IID "Pavisto.Platform.ComponentFactory/1.0"
Q_DECLARE_INTERFACE(platform::ComponentFactory, PLATFORM_COMPONENT_FACTORY_IID)
