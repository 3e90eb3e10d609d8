#pragma once

#include "platform/KeyValueStore.h"

#include <QMap>

namespace quillane {

// A store in memory that holds values of any type, as a hand-edited or foreign store may, and
// can refuse every write.
class MemoryStore final : public KeyValueStore {
public:
    bool refuseWrites = false;
    QMap<QString, QVariant> values; // "key path|name"

    QVariant value(const QString& keyPath, const QString& name) const override {
        return values.value(keyPath + u'|' + name);
    }
    bool setString(const QString& keyPath, const QString& name, const QString& text) override {
        if (!refuseWrites)
            values.insert(keyPath + u'|' + name, text);
        return !refuseWrites;
    }
    bool removeKey(const QString& keyPath) override {
        if (!refuseWrites)
            values.removeIf([&](const auto& entry) { return entry.key().startsWith(keyPath); });
        return !refuseWrites;
    }
};

} // namespace quillane
