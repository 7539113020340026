#include "widgets/PropertyBag.h"

#include <algorithm>

namespace widgets {

void PropertyBag::writeProperty(const QString &name, const QVariant &value)
{
    for (auto &entry : m_entries) {
        if (entry.first == name) {
            entry.second = value;
            return;
        }
    }
    m_entries.append({name, value});
}

QVariant PropertyBag::readProperty(const QString &name, const QVariant &defaultValue) const
{
    for (const auto &entry : m_entries) {
        if (entry.first == name)
            return entry.second;
    }
    return defaultValue;
}

bool PropertyBag::contains(const QString &name) const
{
    return std::any_of(m_entries.cbegin(), m_entries.cend(), [&](const auto &entry) { return entry.first == name; });
}

void PropertyBag::remove(const QString &name)
{
    m_entries.removeIf([&](const auto &entry) { return entry.first == name; });
}

QStringList PropertyBag::names() const
{
    QStringList result;
    for (const auto &entry : m_entries)
        result.append(entry.first);
    return result;
}

} // namespace widgets
