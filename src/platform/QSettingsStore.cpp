#include "platform/QSettingsStore.h"

#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

// Settings are a few kilobytes; even thousands of file types stay far below this.
constexpr qint64 LargestSettingsFile = 4 * 1024 * 1024;

QString settingsKey(const QString& group, const QString& name) {
    return group.isEmpty() ? name : group + u'/' + name;
}

// The file QSettings keeps for the organisation and program, named here so that it can be looked
// at before QSettings reads it.
QString userSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/Kestrova/Quillane.conf"_s;
}

// QSettings reads the whole file as it opens it: a pipe would hang the start, a device never
// end. A missing file is fine; it is made at the first write.
bool readable(const QString& iniPath) {
    const QFileInfo file(iniPath);
    if (!file.exists() && !file.isSymLink())
        return true;
    return file.isFile() && file.size() <= LargestSettingsFile;
}

} // namespace

QSettingsStore::QSettingsStore(const QString& programKeyPath)
    : QSettingsStore(programKeyPath, userSettingsPath()) {}

QSettingsStore::QSettingsStore(const QString& programKeyPath, const QString& iniPath)
    : m_programKeyPath(programKeyPath) {
    if (readable(iniPath))
        m_settings = std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
}

std::optional<QString> QSettingsStore::groupOf(const QString& keyPath) const {
    if (keyPath.compare(m_programKeyPath, Qt::CaseInsensitive) == 0)
        return QString();
    const QString prefix = m_programKeyPath + u'\\';
    if (!keyPath.startsWith(prefix, Qt::CaseInsensitive) || keyPath.size() == prefix.size())
        return std::nullopt;
    return keyPath.sliced(prefix.size()).replace(u'\\', u'/');
}

QVariant QSettingsStore::value(const QString& keyPath, const QString& name) const {
    const auto group = groupOf(keyPath);
    if (!group || name.isEmpty())
        return {};
    const QString key = settingsKey(*group, name);
    if (!m_settings) {
        const auto kept = m_unsaved.constFind(key);
        return kept == m_unsaved.cend() ? QVariant() : QVariant(*kept);
    }
    return m_settings->value(key);
}

bool QSettingsStore::setString(const QString& keyPath, const QString& name, const QString& text) {
    const auto group = groupOf(keyPath);
    if (!group || name.isEmpty())
        return false;
    const QString key = settingsKey(*group, name);
    if (!m_settings) {
        m_unsaved.insert(key, text);
        return false;
    }
    m_settings->setValue(key, text);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

bool QSettingsStore::removeKey(const QString& keyPath) {
    const auto group = groupOf(keyPath);
    if (!group || group->isEmpty())
        return false;
    if (!m_settings) {
        const QString prefix = *group + u'/';
        m_unsaved.removeIf([&](const auto& kept) {
            return kept.key() == *group || kept.key().startsWith(prefix);
        });
        return false;
    }
    m_settings->remove(*group);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

} // namespace quillane
