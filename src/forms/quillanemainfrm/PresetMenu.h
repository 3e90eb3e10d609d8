#pragma once

#include "settings/RulePresets.h"

#include <QList>
#include <QObject>

class QAction;
class QMenu;

namespace quillane {

class Dialogs;
class RuleControls;

// The presets submenu: an item for each saved rule set, between the save and delete items,
// restoring every rule control at once.
class PresetMenu : public QObject {
    Q_OBJECT

public:
    // The items go into `menu` before `before`; `deleteItem` is on while there is a preset.
    PresetMenu(QMenu* menu, QAction* before, QAction* deleteItem, RuleControls& rules,
               Registry& registry, Dialogs& dialogs);

    // Asks for a name and keeps every rule control's value under it.
    void saveRules();
    // Asks which preset to delete, and deletes it.
    void deletePreset();

Q_SIGNALS:
    // A preset's item was chosen: a command starts.
    void restoring();

private:
    void showPresets();
    void restore(const QString& name);
    void tellFailure(const QString& what);

    QMenu* m_menu;
    QAction* m_before;
    QAction* m_deleteItem;
    RuleControls& m_rules;
    Dialogs& m_dialogs;
    RulePresets m_presets;
    QList<QAction*> m_items;
};

} // namespace quillane
