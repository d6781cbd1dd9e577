// The plugin that registers the board control under its class identifier.
#include "platform/component_registry.h"
#include "tolvar_control.h"

namespace tolvar {

class TolvarFactory final : public QObject, public platform::ComponentFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PLATFORM_COMPONENT_FACTORY_IID FILE "tolvar.json")
    Q_INTERFACES(platform::ComponentFactory)

public:
    QWidget *createInstance(QWidget *parent) override { return new TolvarControl(parent); }
};

} // namespace tolvar

#include "tolvar_plugin.moc"
