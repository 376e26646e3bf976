#include "controls/qt/PropertyBag.h"

void PropertyBag::write(const QString& key, const QVariant& value, const QVariant& defaultValue) {
    if (value == defaultValue) return;
    write(key, value);
}

void PropertyBag::write(const QString& key, const QVariant& value) {
    QString lower = key.toLower();
    for (Entry& entry : entries_) {
        if (entry.first == lower) {
            entry.second = value;
            return;
        }
    }
    entries_.append({lower, value});
}

QVariant PropertyBag::read(const QString& key, const QVariant& defaultValue) const {
    for (const Entry& entry : entries_) {
        if (entry.first.compare(key, Qt::CaseInsensitive) == 0) return entry.second;
    }
    return defaultValue;
}

bool PropertyBag::contains(const QString& key) const {
    for (const Entry& entry : entries_) {
        if (entry.first.compare(key, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}
