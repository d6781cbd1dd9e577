#include "component_registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>

#include <map>
#include <memory>

#ifndef PAVISTO_INSTALL_LIBDIR
#define PAVISTO_INSTALL_LIBDIR ""
#endif

namespace platform {
namespace {

QStringList &extraPaths()
{
    static QStringList paths;
    return paths;
}

// Loaders stay alive for the whole process: instances hold code of the library.
std::map<QString, std::unique_ptr<QPluginLoader>> &loaders()
{
    static std::map<QString, std::unique_ptr<QPluginLoader>> loaded;
    return loaded;
}

std::optional<ComponentInfo> infoOf(const QString &fileName)
{
    const QPluginLoader probe(fileName);
    const QJsonObject metaData = probe.metaData().value(QStringLiteral("MetaData")).toObject();
    const QString classId = metaData.value(QStringLiteral("ClassId")).toString();
    if (classId.isEmpty())
        return std::nullopt;
    return ComponentInfo{classId, metaData.value(QStringLiteral("TypeLibrary")).toString(),
                         metaData.value(QStringLiteral("Description")).toString(), fileName};
}

} // namespace

QStringList componentSearchPaths()
{
    QStringList paths;
    const auto add = [&paths](const QString &path) {
        const QString clean = QDir::cleanPath(path);
        if (!path.isEmpty() && !paths.contains(clean))
            paths.append(clean);
    };
    if (QCoreApplication::instance()) {
        add(QCoreApplication::applicationDirPath());
    }
    add(QStringLiteral(PAVISTO_INSTALL_LIBDIR));
    for (const QString &path : extraPaths())
        add(path);
    return paths;
}

void addComponentSearchPath(const QString &folder)
{
    extraPaths().append(folder);
}

std::optional<ComponentInfo> findComponent(const QString &classId)
{
    if (classId.isEmpty())
        return std::nullopt;
    for (const QString &folder : componentSearchPaths()) {
        const QDir dir(folder);
        const QStringList files = dir.entryList(QDir::Files, QDir::Name);
        for (const QString &file : files) {
            const QString path = dir.absoluteFilePath(file);
            if (!QLibrary::isLibrary(path))
                continue;
            if (auto info = infoOf(path); info && info->classId == classId)
                return info;
        }
    }
    return std::nullopt;
}

ComponentFactory *componentFactory(const QString &classId)
{
    const auto info = findComponent(classId);
    if (!info)
        return nullptr;
    auto &loader = loaders()[info->fileName];
    if (!loader)
        loader = std::make_unique<QPluginLoader>(info->fileName);
    return qobject_cast<ComponentFactory *>(loader->instance());
}

} // namespace platform
