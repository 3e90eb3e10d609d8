#pragma once

#include "platform/KeyValueStore.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace quillane {

// The predefined roots a key path starts from.
enum class RegistryRoot { CurrentUser, CurrentConfig, LocalMachine };

// String and 32-bit reads and string writes under a root. Only the current user's root is backed
// by a store on this host; the others read as empty and take no writes.
class Registry {
public:
    explicit Registry(KeyValueStore& currentUser) : m_currentUser(currentUser) {}

    // The stored text up to its first NUL, or the default when the value is absent or anything
    // but a plain string.
    QString GetString(RegistryRoot root, const QString& keyPath, const QString& valueName,
                      const QString& defaultText = QString()) const;
    // The same, with nothing for an absent value or one that is not a plain string.
    std::optional<QString> findString(RegistryRoot root, const QString& keyPath,
                                      const QString& valueName) const;
    // Creates every missing level and writes the text as it is; false when the store refused it.
    [[nodiscard]] bool SaveString(RegistryRoot root, const QString& keyPath,
                                  const QString& valueName, const QString& text);
    // The stored number, or the default when the value is absent or not a 32-bit number.
    qint32 GetDWord(RegistryRoot root, const QString& keyPath, const QString& valueName,
                    qint32 defaultValue = 0) const;
    // Removes a subkey with all its values and subkeys; false when the store refused it.
    [[nodiscard]] bool removeKey(RegistryRoot root, const QString& keyPath);

private:
    KeyValueStore* storeOf(RegistryRoot root) const;

    KeyValueStore& m_currentUser;
};

} // namespace quillane
