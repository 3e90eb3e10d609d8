#pragma once

#include <QString>
#include <QVariant>

namespace quillane {

// A per-user store of named values under a tree of keys, addressed by backslash-separated key
// paths such as "Software\Kestrova\Quillane\Filter".
class KeyValueStore {
public:
    virtual ~KeyValueStore() = default;

    // The stored value as read, of whatever type the store holds it in; invalid when absent.
    virtual QVariant value(const QString& keyPath, const QString& name) const = 0;
    // Creates every missing level of the key path, then writes and flushes the text.
    // Returns false when the store could not be written.
    [[nodiscard]] virtual bool setString(const QString& keyPath, const QString& name,
                                         const QString& text) = 0;
    // Removes the key with all its values and subkeys; false when the store could not be written.
    [[nodiscard]] virtual bool removeKey(const QString& keyPath) = 0;
};

} // namespace quillane
