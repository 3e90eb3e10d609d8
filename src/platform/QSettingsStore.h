#pragma once

#include "platform/KeyValueStore.h"

#include <QHash>
#include <QSettings>

#include <memory>
#include <optional>

namespace quillane {

// The key/value store over QSettings, an INI file. The store holds one key path, the program's
// key, and its subkeys; paths outside it read as absent and are never written.
//
// A settings file that is no regular file, or far larger than settings can be, is not read: the
// store starts empty, keeps what is written for the session, reports every write as failed, and
// leaves the file alone.
class QSettingsStore final : public KeyValueStore {
public:
    // The per-user store of the program key.
    explicit QSettingsStore(const QString& programKeyPath);
    // An INI file at `iniPath` standing for the program key.
    QSettingsStore(const QString& programKeyPath, const QString& iniPath);

    QVariant value(const QString& keyPath, const QString& name) const override;
    [[nodiscard]] bool setString(const QString& keyPath, const QString& name,
                                 const QString& text) override;
    [[nodiscard]] bool removeKey(const QString& keyPath) override;

private:
    // The QSettings group for a key path, or nothing when the path lies outside the program key.
    std::optional<QString> groupOf(const QString& keyPath) const;

    QString m_programKeyPath;
    std::unique_ptr<QSettings> m_settings;
    // What the session wrote while the file is not used.
    QHash<QString, QString> m_unsaved;
};

} // namespace quillane
