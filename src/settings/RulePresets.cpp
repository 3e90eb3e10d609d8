#include "settings/RulePresets.h"

#include "rules/RuleSetValues.h"
#include "settings/SettingNames.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillane {

namespace {

constexpr auto User = RegistryRoot::CurrentUser;
const QString PresetsKey = SettingName::ProgramKey + u"\\Presets"_s;
const QString IdsValue = u"Ids"_s;
const QString PresetNameValue = u"Name"_s;

QString presetKey(qint32 id) {
    return PresetsKey + u'\\' + QString::number(id);
}

} // namespace

QList<RulePresets::Listed> RulePresets::listed() const {
    QList<Listed> presets;
    const QString ids = m_registry.GetString(User, PresetsKey, IdsValue);
    for (const QStringView word : QStringView(ids).split(u' ', Qt::SkipEmptyParts)) {
        bool ok = false;
        const qint32 id = word.toInt(&ok);
        const bool seen = std::any_of(presets.cbegin(), presets.cend(),
                                      [id](const Listed& p) { return p.id == id; });
        if (!ok || id <= 0 || seen)
            continue;
        // A hand-edited store may list a number with no preset behind it.
        if (const std::optional<QString> name =
                m_registry.findString(User, presetKey(id), PresetNameValue);
            name && !name->isEmpty())
            presets.append({id, *name});
    }
    return presets;
}

bool RulePresets::writeIds(const QList<qint32>& ids) {
    QStringList words;
    for (const qint32 id : ids)
        words.append(QString::number(id));
    return m_registry.SaveString(User, PresetsKey, IdsValue, words.join(u' '));
}

QStringList RulePresets::names() const {
    QStringList names;
    for (const Listed& preset : listed())
        names.append(preset.name);
    return names;
}

bool RulePresets::save(const QString& presetName, const RenameRuleSet& rules) {
    const QList<Listed> presets = listed();
    QList<qint32> ids;
    qint32 newest = 0;
    for (const Listed& preset : presets) {
        ids.append(preset.id);
        newest = std::max(newest, preset.id);
    }
    // A fresh subkey, written whole before the list names it: the old preset of the name stays
    // intact until the new one can take its place.
    const qint32 id = newest + 1;
    const QString key = presetKey(id);
    if (!m_registry.removeKey(User, key))
        return false;
    for (const auto& [valueName, text] : valuesOf(rules)) {
        if (!m_registry.SaveString(User, key, valueName, text))
            return false;
    }
    if (!m_registry.SaveString(User, key, PresetNameValue, presetName))
        return false;
    const auto replaced = std::find_if(presets.cbegin(), presets.cend(),
                                       [&](const Listed& p) { return p.name == presetName; });
    if (replaced == presets.cend()) {
        ids.append(id);
        return writeIds(ids);
    }
    ids[replaced - presets.cbegin()] = id;
    if (!writeIds(ids))
        return false;
    // The old subkey is no longer listed, so failing to remove it loses nothing.
    [[maybe_unused]] const bool removed = m_registry.removeKey(User, presetKey(replaced->id));
    return true;
}

std::optional<RenameRuleSet> RulePresets::load(const QString& name) const {
    for (const Listed& preset : listed()) {
        if (preset.name != name)
            continue;
        const QString key = presetKey(preset.id);
        return ruleSetFrom(
            [&](const QString& valueName) { return m_registry.findString(User, key, valueName); });
    }
    return std::nullopt;
}

bool RulePresets::remove(const QString& name) {
    QList<qint32> ids;
    std::optional<qint32> removed;
    for (const Listed& preset : listed()) {
        if (preset.name == name)
            removed = preset.id;
        else
            ids.append(preset.id);
    }
    if (!removed)
        return true;
    return writeIds(ids) && m_registry.removeKey(User, presetKey(*removed));
}

} // namespace quillane
