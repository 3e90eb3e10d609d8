#pragma once

#include "forms/quillanemainfrm/MainCommands.h"

#include <QHash>
#include <QList>
#include <QString>

#include <array>

class QAction;
class QMenu;
class QToolBar;
class QWidget;

namespace quillane {

class DesignedControls;

// The menus, the list pop-up, the tool bar and the list buttons of the main window, built from
// its command table, each item calling its handler.
class MainCommandWidgets {
public:
    // The list buttons go on `form` among the designed controls; `gridOptionsToggle` is the
    // grid appearance options' own open-and-close item.
    MainCommandWidgets(quillanemainfrm& window, QWidget* form, DesignedControls& controls,
                       QAction* gridOptionsToggle);

    QMenu* popup() const { return m_popup; }
    QToolBar* toolbar() const { return m_toolbar; }
    // Left to right, as the tool bar's looks list them.
    const QList<QAction*>& toolbarKeys() const { return m_toolbarKeys; }

    // The menu item under a name; a name without one stops the program.
    QAction* menuItem(const QString& name) const;
    // The same for a menu or submenu.
    QMenu* menuNamed(QLatin1StringView name) const;

    void setGroupEnabled(CommandGroup group, bool enabled);
    // While busy the menus a run must not reach and every tool-bar key are off. Back from it,
    // the keys of no group are on again; the groups wait for their states.
    void setBusy(bool busy);

private:
    void addMenuCommand(const MainCommand& command, QAction* gridOptionsToggle);
    void addPopupCommand(const MainCommand& command);
    void addListButton(const MainCommand& command, QWidget* form, DesignedControls& controls);
    void buildToolbar(const QList<const MainCommand*>& keys);
    void connectTo(QAction* action, const MainCommand& command);
    void addToGroup(CommandGroup group, QAction* action);

    quillanemainfrm& m_window;
    QMenu* m_popup = nullptr;
    QToolBar* m_toolbar = nullptr;
    QList<QAction*> m_toolbarKeys;
    QList<QAction*> m_ungroupedKeys;
    QHash<QString, QAction*> m_menuItems;
    QHash<QString, QMenu*> m_menus;
    QList<QMenu*> m_offWhileBusy;
    std::array<QList<QAction*>, CommandGroupCount> m_groupActions;
    std::array<QList<QWidget*>, CommandGroupCount> m_groupButtons;
};

} // namespace quillane
