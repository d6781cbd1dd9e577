#include "property_bag.h"

namespace platform {

qsizetype PropertyBag::indexOf(const QString &key) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].first == key)
            return i;
    }
    return -1;
}

void PropertyBag::write(const QString &key, const QVariant &value, const QVariant &defaultValue)
{
    const qsizetype index = indexOf(key);
    // QVariant compares numbers across types, so a 16-bit 0 equals an int 0 default.
    if (value == defaultValue) {
        if (index >= 0)
            m_entries.removeAt(index);
        return;
    }
    if (index >= 0)
        m_entries[index].second = value;
    else
        m_entries.append({key, value});
}

QVariant PropertyBag::read(const QString &key, const QVariant &defaultValue) const
{
    const qsizetype index = indexOf(key);
    return index >= 0 ? m_entries[index].second : defaultValue;
}

bool PropertyBag::contains(const QString &key) const
{
    return indexOf(key) >= 0;
}

QStringList PropertyBag::keys() const
{
    QStringList result;
    result.reserve(m_entries.size());
    for (const auto &entry : m_entries)
        result.append(entry.first);
    return result;
}

} // namespace platform
