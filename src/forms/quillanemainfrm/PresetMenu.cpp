#include "forms/quillanemainfrm/PresetMenu.h"

#include "forms/quillanemainfrm/RuleControls.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace quillane {

PresetMenu::PresetMenu(QMenu* menu, QAction* before, QAction* deleteItem, RuleControls& rules,
                       Registry& registry, Dialogs& dialogs)
    : QObject(menu), m_menu(menu), m_before(before), m_deleteItem(deleteItem), m_rules(rules),
      m_dialogs(dialogs), m_presets(registry) {
    showPresets();
}

void PresetMenu::showPresets() {
    qDeleteAll(m_items);
    m_items.clear();
    const QStringList names = m_presets.names();
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names.at(i);
        // A single ampersand would mark a shortcut letter and vanish from the caption.
        auto* item = new QAction(QString(name).replace(u'&', u"&&"_s), m_menu);
        item->setObjectName(u"PresetMnu(%1)"_s.arg(i));
        connect(item, &QAction::triggered, this, [this, name] {
            Q_EMIT restoring();
            restore(name);
        });
        m_menu->insertAction(m_before, item);
        m_items.append(item);
    }
    m_deleteItem->setEnabled(!names.isEmpty());
}

void PresetMenu::restore(const QString& name) {
    if (const std::optional<RenameRuleSet> rules = m_presets.load(name))
        m_rules.setRuleSet(*rules);
}

void PresetMenu::tellFailure(const QString& what) {
    m_dialogs.showMessage({.title = QString(ApplicationTitle),
                           .text = what + u" The settings file cannot be written."_s});
}

void PresetMenu::saveRules() {
    const QStringList names = m_presets.names();
    const std::optional<QString> typed = m_dialogs.askText(
        {.title = u"Save Rules As"_s, .label = u"Name of the preset:"_s, .choices = names});
    const QString name = typed ? typed->trimmed() : QString();
    if (name.isEmpty())
        return;
    if (names.contains(name) &&
        m_dialogs.showMessage(
            {.title = QString(ApplicationTitle),
             .text = u"A preset named \"%1\" exists already. Replace it?"_s.arg(name),
             .icon = MessageIcon::Question,
             .buttons = MessageButtons::YesNo,
             .defaultButton = MessageAnswer::No}) != MessageAnswer::Yes)
        return;
    if (!m_presets.save(name, m_rules.ruleSet()))
        tellFailure(u"The preset \"%1\" could not be saved."_s.arg(name));
    showPresets();
}

void PresetMenu::deletePreset() {
    const std::optional<QString> name = m_dialogs.askText({.title = u"Delete Preset"_s,
                                                           .label = u"Preset to delete:"_s,
                                                           .choices = m_presets.names(),
                                                           .anyText = false});
    if (!name)
        return;
    if (!m_presets.remove(*name))
        tellFailure(u"The preset \"%1\" could not be deleted."_s.arg(*name));
    showPresets();
}

} // namespace quillane
