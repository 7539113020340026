#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>

namespace widgets {

// Named values in the order they were written: where a control keeps its settings
// together with the layout of its window.
class PropertyBag
{
public:
    // Stores `value` under `name`; a name written before keeps its place.
    void writeProperty(const QString &name, const QVariant &value);
    // The value stored under `name`, or `defaultValue` when there is none.
    QVariant readProperty(const QString &name, const QVariant &defaultValue = QVariant()) const;

    bool contains(const QString &name) const;
    void remove(const QString &name);
    // Names in the order they were first written.
    QStringList names() const;

private:
    QList<std::pair<QString, QVariant>> m_entries;
};

} // namespace widgets
