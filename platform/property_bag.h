#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

namespace platform {

// The design-time settings a host keeps for one component instance: ordered keys with
// values. A value equal to its default is not stored, and reading a missing key gives
// the default, so a bag holds exactly what differs from a fresh instance.
class PropertyBag final {
public:
    // Stores the value under the key in write order, or removes the key when the value
    // equals the default.
    void write(const QString &key, const QVariant &value, const QVariant &defaultValue);
    // The stored value, or the default when the key is not stored.
    QVariant read(const QString &key, const QVariant &defaultValue) const;

    bool contains(const QString &key) const;
    // Stored keys in the order they were first written.
    QStringList keys() const;
    bool isEmpty() const { return m_entries.isEmpty(); }
    void clear() { m_entries.clear(); }

private:
    qsizetype indexOf(const QString &key) const;

    QList<QPair<QString, QVariant>> m_entries;
};

} // namespace platform
