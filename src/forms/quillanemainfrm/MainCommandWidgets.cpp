#include "forms/quillanemainfrm/MainCommandWidgets.h"

#include "forms/quillanemainfrm/DesignedControls.h"
#include "forms/quillanemainfrm/ToolbarButtons.h"
#include "forms/quillanemainfrm/quillanemainfrm.h"

#include <QMenuBar>
#include <QSet>
#include <QToolBar>
#include <QToolButton>

namespace quillane {

namespace {

// Menu items, keys and buttons are found by their names, so one name must mean one thing.
void checkNamesOnce(const QList<MainCommand>& commands) {
    QSet<QLatin1StringView> seen;
    for (const MainCommand& command : commands) {
        if (command.name.isEmpty())
            continue;
        if (seen.contains(command.name))
            wiringMistake(QStringLiteral("two commands are named %1").arg(command.name));
        seen.insert(command.name);
    }
}

} // namespace

MainCommandWidgets::MainCommandWidgets(quillanemainfrm& window, QWidget* form,
                                       DesignedControls& controls, QAction* gridOptionsToggle)
    : m_window(window) {
    const QList<MainCommand>& commands = mainCommands();
    checkNamesOnce(commands);
    m_popup = new QMenu(&window);
    m_popup->setObjectName(QStringLiteral("RenameWhatSelPopupMnu"));
    QList<const MainCommand*> keys;
    for (const MainCommand& command : commands) {
        switch (command.place) {
        case CommandPlace::Menu:
            addMenuCommand(command, gridOptionsToggle);
            break;
        case CommandPlace::Popup:
            addPopupCommand(command);
            break;
        case CommandPlace::ToolbarKey:
            keys << &command;
            break;
        case CommandPlace::ListButton:
            addListButton(command, form, controls);
            break;
        }
    }
    buildToolbar(keys);
}

QMenu* MainCommandWidgets::menuNamed(QLatin1StringView name) const {
    QMenu* menu = m_menus.value(name);
    if (menu == nullptr)
        wiringMistake(
            QStringLiteral("a command sits in the menu %1, which comes later or not at all")
                .arg(name));
    return menu;
}

void MainCommandWidgets::connectTo(QAction* action, const MainCommand& command) {
    // Connections run in the order made.
    QObject::connect(action, &QAction::triggered, &m_window, &quillanemainfrm::commandStarting);
    QObject::connect(action, &QAction::triggered, &m_window, command.handler);
    addToGroup(command.group, action);
}

void MainCommandWidgets::addToGroup(CommandGroup group, QAction* action) {
    if (group != CommandGroup::None)
        m_groupActions[static_cast<int>(group)] << action;
}

void MainCommandWidgets::addMenuCommand(const MainCommand& command, QAction* gridOptionsToggle) {
    const QString caption = command.caption;
    switch (command.look) {
    case CommandLook::Menu:
    case CommandLook::MenuOffWhileBusy: {
        QMenu* created = nullptr;
        if (command.menu.isEmpty()) {
            created = m_window.menuBar()->addMenu(caption);
            created->setObjectName(command.name);
        } else {
            created = menuNamed(command.menu)->addMenu(caption);
            created->menuAction()->setObjectName(command.name);
        }
        m_menus.insert(command.name, created);
        if (command.look == CommandLook::MenuOffWhileBusy)
            m_offWhileBusy << created;
        return;
    }
    case CommandLook::Separator:
    case CommandLook::HiddenSeparator: {
        QAction* line = menuNamed(command.menu)->addSeparator();
        line->setObjectName(command.name);
        line->setVisible(command.look == CommandLook::Separator);
        return;
    }
    case CommandLook::GridOptionsToggle:
        gridOptionsToggle->setObjectName(command.name);
        gridOptionsToggle->setText(caption);
        menuNamed(command.menu)->addAction(gridOptionsToggle);
        return;
    case CommandLook::Item:
    case CommandLook::Checkable:
    case CommandLook::Hidden:
        break;
    }
    QAction* action = menuNamed(command.menu)->addAction(caption);
    action->setObjectName(command.name);
    if (!command.shortcut.isEmpty())
        action->setShortcut(QKeySequence(QString(command.shortcut)));
    action->setCheckable(command.look == CommandLook::Checkable);
    action->setVisible(command.look != CommandLook::Hidden);
    connectTo(action, command);
    m_menuItems.insert(command.name, action);
}

QAction* MainCommandWidgets::menuItem(const QString& name) const {
    QAction* item = m_menuItems.value(name);
    if (item == nullptr)
        wiringMistake(QStringLiteral("no menu item is named %1").arg(name));
    return item;
}

void MainCommandWidgets::addPopupCommand(const MainCommand& command) {
    if (command.look == CommandLook::Separator) {
        m_popup->addSeparator();
        return;
    }
    QAction* action = m_popup->addAction(QString(command.caption));
    action->setObjectName(command.name);
    connectTo(action, command);
}

void MainCommandWidgets::addListButton(const MainCommand& command, QWidget* form,
                                       DesignedControls& controls) {
    auto* button = controls.add(form, command.name, new QToolButton);
    button->setToolTip(command.toolTip);
    if (command.picture.isEmpty()) {
        button->setText(command.caption);
        // The caption has to fit a button made for a picture.
        QFont small = button->font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        button->setFont(small);
    } else {
        button->setIcon(QIcon(command.picture));
        button->setIconSize(QSize(12, 12));
    }
    QObject::connect(button, &QToolButton::clicked, &m_window, &quillanemainfrm::commandStarting);
    QObject::connect(button, &QToolButton::clicked, &m_window, command.handler);
    if (command.group != CommandGroup::None)
        m_groupButtons[static_cast<int>(command.group)] << button;
}

void MainCommandWidgets::buildToolbar(const QList<const MainCommand*>& keys) {
    m_toolbar = new QToolBar(&m_window);
    m_toolbar->setObjectName(QStringLiteral("cToolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->setIconSize(QSize(24, 24));
    m_window.addToolBar(Qt::TopToolBarArea, m_toolbar);

    if (keys.size() != toolbarButtons().size())
        wiringMistake(QStringLiteral("the command table has %1 tool-bar keys, the tool bar %2")
                          .arg(keys.size())
                          .arg(toolbarButtons().size()));
    int position = 0;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const ToolbarButton& looks = toolbarButtons()[i];
        const MainCommand& command = *keys[i];
        if (command.name != looks.key)
            wiringMistake(QStringLiteral("the tool bar's key %1 meets the command %2")
                              .arg(looks.key, command.name));
        for (; position < looks.position; ++position)
            m_toolbar->addSeparator();
        QAction* action = m_toolbar->addAction(QString(command.caption));
        action->setObjectName(command.name);
        action->setToolTip(looks.toolTip);
        connectTo(action, command);
        m_toolbarKeys << action;
        if (command.group == CommandGroup::None)
            m_ungroupedKeys << action;
        ++position;
    }
    // The window tells what the key under the mouse does.
    for (QAction* action : m_toolbar->actions())
        if (QWidget* shown = m_toolbar->widgetForAction(action))
            shown->installEventFilter(&m_window);
}

void MainCommandWidgets::setGroupEnabled(CommandGroup group, bool enabled) {
    for (QAction* action : std::as_const(m_groupActions[static_cast<int>(group)]))
        action->setEnabled(enabled);
    for (QWidget* button : std::as_const(m_groupButtons[static_cast<int>(group)]))
        button->setEnabled(enabled);
}

void MainCommandWidgets::setBusy(bool busy) {
    for (QMenu* menu : std::as_const(m_offWhileBusy))
        menu->menuAction()->setEnabled(!busy);
    for (QAction* key : std::as_const(busy ? m_toolbarKeys : m_ungroupedKeys))
        key->setEnabled(!busy);
}

} // namespace quillane
