#pragma once

#include "platform/QSettingsStore.h"
#include "settings/Registry.h"
#include "settings/SettingNames.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace quillane {

// The program key over an INI file in a temporary directory, optionally written by hand first.
class IniStore {
public:
    explicit IniStore(const QByteArray& iniText = {}) {
        QFile file(path());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(iniText);
        file.close();
        m_store.emplace(QString(SettingName::ProgramKey), path());
        m_registry.emplace(*m_store);
    }

    QString path() const { return m_dir.filePath(QStringLiteral("quillane.ini")); }
    Registry& registry() { return *m_registry; }

    // Every value on disk as "name=text" in key order, subkey values as "Subkey/name=text",
    // joined by "; ".
    QString dump() const {
        const QSettings ini(path(), QSettings::IniFormat);
        QStringList lines;
        for (const QString& key : ini.allKeys())
            lines.append(key + u'=' + ini.value(key).toString());
        lines.sort();
        return lines.join(QStringLiteral("; "));
    }

private:
    QTemporaryDir m_dir;
    std::optional<QSettingsStore> m_store;
    std::optional<Registry> m_registry;
};

} // namespace quillane
