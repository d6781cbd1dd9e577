// A minimal component plugin for the component framework's tests: one property
// (id 1, a text), one method (id 2) that doubles its by-reference argument and raises
// event 7, and a property bag key "Text".
#include "platform/component_registry.h"
#include "platform/dispatch_object.h"
#include "platform/property_bag.h"

#include <QWidget>

namespace {

class ProbeWidget final : public QWidget, public platform::DispatchObject {
    Q_OBJECT
    Q_INTERFACES(platform::DispatchObject)

public:
    explicit ProbeWidget(QWidget *parent) : QWidget(parent) { setObjectName(QStringLiteral("probe")); }

    std::optional<QVariant> getProperty(platform::DispId id) override
    {
        if (id == 1)
            return m_text;
        return std::nullopt;
    }
    bool putProperty(platform::DispId id, const QVariant &value) override
    {
        if (id != 1)
            return false;
        if (m_sink)
            m_sink->propertyChanged(QStringLiteral("Text"));
        m_text = value.toString();
        return true;
    }
    std::optional<QVariant> invoke(platform::DispId id, QVariantList &arguments) override
    {
        if (id != 2 || arguments.size() != 1)
            return std::nullopt;
        arguments[0] = arguments[0].toInt() * 2;
        if (m_sink)
            m_sink->componentEvent(7);
        return QVariant();
    }
    QString memberName(platform::DispId id) const override
    {
        return id == 1 ? QStringLiteral("Text") : id == 2 ? QStringLiteral("Double") : QString();
    }
    void connectEvents(platform::EventSink *sink) override { m_sink = sink; }
    void initNew() override
    {
        m_text = QStringLiteral("new");
        if (m_sink)
            m_sink->componentEvent(1);
    }
    void load(const platform::PropertyBag &bag) override
    {
        m_text = bag.read(QStringLiteral("Text"), QStringLiteral("new")).toString();
    }
    void save(platform::PropertyBag &bag) const override
    {
        bag.write(QStringLiteral("Text"), m_text, QStringLiteral("new"));
    }

private:
    QString m_text;
    platform::EventSink *m_sink = nullptr;
};

class ProbeFactory final : public QObject, public platform::ComponentFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PLATFORM_COMPONENT_FACTORY_IID FILE "probe_component.json")
    Q_INTERFACES(platform::ComponentFactory)

public:
    QWidget *createInstance(QWidget *parent) override { return new ProbeWidget(parent); }
};

} // namespace

#include "probe_component.moc"
