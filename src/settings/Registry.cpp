#include "settings/Registry.h"

#include "platform/PathText.h"

#include <QMetaType>

namespace quillane {

KeyValueStore* Registry::storeOf(RegistryRoot root) const {
    return root == RegistryRoot::CurrentUser ? &m_currentUser : nullptr;
}

QString Registry::GetString(RegistryRoot root, const QString& keyPath, const QString& valueName,
                            const QString& defaultText) const {
    return findString(root, keyPath, valueName).value_or(defaultText);
}

std::optional<QString> Registry::findString(RegistryRoot root, const QString& keyPath,
                                            const QString& valueName) const {
    const KeyValueStore* store = storeOf(root);
    if (store == nullptr)
        return std::nullopt;
    const QVariant value = store->value(keyPath, valueName);
    // A hand-edited "a, b" reads back as a list, a number as a number: neither is a setting.
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return TrimAtNul(value.toString());
}

bool Registry::SaveString(RegistryRoot root, const QString& keyPath, const QString& valueName,
                          const QString& text) {
    KeyValueStore* store = storeOf(root);
    return store != nullptr && store->setString(keyPath, valueName, text);
}

qint32 Registry::GetDWord(RegistryRoot root, const QString& keyPath, const QString& valueName,
                          qint32 defaultValue) const {
    const KeyValueStore* store = storeOf(root);
    if (store == nullptr)
        return defaultValue;
    const QVariant value = store->value(keyPath, valueName);
    switch (value.typeId()) {
    case QMetaType::Int:
        return value.toInt();
    case QMetaType::UInt:
        // The stored bits, as the 32-bit value they are.
        return static_cast<qint32>(value.toUInt());
    default:
        return defaultValue;
    }
}

bool Registry::removeKey(RegistryRoot root, const QString& keyPath) {
    KeyValueStore* store = storeOf(root);
    return store != nullptr && store->removeKey(keyPath);
}

} // namespace quillane
