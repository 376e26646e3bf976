#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// The persisted properties of one control as the holding window saves them: keys in lower
// case, in the order written, looked up without regard to case.
class PropertyBag {
  public:
    using Entry = QPair<QString, QVariant>;

    // Writes the value, or nothing when it equals the default.
    void write(const QString& key, const QVariant& value, const QVariant& defaultValue);
    // Writes the value whatever it is.
    void write(const QString& key, const QVariant& value);
    // The stored value, or `defaultValue` when the key is missing.
    QVariant read(const QString& key, const QVariant& defaultValue) const;
    bool contains(const QString& key) const;

    const QList<Entry>& entries() const { return entries_; }

  private:
    QList<Entry> entries_;
};
