#include "platform/QSettingsStore.h"

namespace quillane {

namespace {

QString settingsKey(const QString& group, const QString& name) {
    return group.isEmpty() ? name : group + u'/' + name;
}

} // namespace

QSettingsStore::QSettingsStore(const QString& programKeyPath)
    : m_programKeyPath(programKeyPath),
      m_settings(std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("Kestrova"),
                                             QStringLiteral("Quillane"))) {}

QSettingsStore::QSettingsStore(const QString& programKeyPath, const QString& iniPath)
    : m_programKeyPath(programKeyPath),
      m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

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
    return m_settings->value(settingsKey(*group, name));
}

bool QSettingsStore::setString(const QString& keyPath, const QString& name, const QString& text) {
    const auto group = groupOf(keyPath);
    if (!group || name.isEmpty())
        return false;
    m_settings->setValue(settingsKey(*group, name), text);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

bool QSettingsStore::removeKey(const QString& keyPath) {
    const auto group = groupOf(keyPath);
    if (!group || group->isEmpty())
        return false;
    m_settings->remove(*group);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

} // namespace quillane
