#pragma once

#include "rules/RenameRuleSet.h"
#include "settings/Registry.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillane {

// Named rule sets the user saved, kept under the program key in the order they were first saved.
// Each lives in a numbered subkey of "Presets" with its name and its values, and "Presets\Ids"
// lists the numbers in use, so that removing one touches no other and a preset half written
// when the program was stopped is never listed.
class RulePresets {
public:
    explicit RulePresets(Registry& registry) : m_registry(registry) {}

    QStringList names() const;
    // Saves under `presetName`, in the place of a preset of that name if there is one; false when
    // the store refused it.
    [[nodiscard]] bool save(const QString& presetName, const RenameRuleSet& rules);
    // Nothing when no preset has the name.
    std::optional<RenameRuleSet> load(const QString& name) const;
    // False when the store refused it; a name no preset has is no failure.
    [[nodiscard]] bool remove(const QString& name);

private:
    struct Listed {
        qint32 id;
        QString name;
    };
    QList<Listed> listed() const;
    [[nodiscard]] bool writeIds(const QList<qint32>& ids);

    Registry& m_registry;
};

} // namespace quillane
