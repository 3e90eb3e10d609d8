#pragma once

#include <QLatin1StringView>
#include <QList>

namespace quillane {

class quillanemainfrm;

// The sets of commands that the rename list's state switches on and off together.
enum class CommandGroup { None, Remove, Move, List };
inline constexpr int CommandGroupCount = 4;

// Where a command shows.
enum class CommandPlace { Menu, Popup, ToolbarKey, ListButton };

enum class CommandLook {
    Item,
    Checkable,
    Hidden,
    Separator,
    HiddenSeparator,
    // A menu, in the menu bar when it names no menu of its own.
    Menu,
    // A menu of the menu bar that is off while a run is busy.
    MenuOffWhileBusy,
    // The item that opens and closes the grid appearance options.
    GridOptionsToggle,
};

using CommandHandler = void (quillanemainfrm::*)();

// One command of the main window as it shows in one place, in the order it is built.
struct MainCommand {
    CommandPlace place = CommandPlace::Menu;
    QLatin1StringView menu = {}; // the menu a menu item sits in
    QLatin1StringView name = {}; // its object name; a tool-bar key's caption too
    QLatin1StringView caption = {};
    QLatin1StringView shortcut = {};
    CommandHandler handler = nullptr;
    CommandGroup group = CommandGroup::None;
    CommandLook look = CommandLook::Item;
    QLatin1StringView toolTip = {}; // list buttons
    QLatin1StringView picture = {}; // list buttons; one without a picture shows its caption
};

// Every command of the main window: its menus, the list pop-up, the tool-bar keys and the list
// buttons.
const QList<MainCommand>& mainCommands();

} // namespace quillane
