#include "forms/quillanemainfrm/MainCommands.h"

#include "forms/quillanemainfrm/quillanemainfrm.h"

namespace quillane {

namespace {

using L = QLatin1StringView;
using W = quillanemainfrm;
using enum CommandGroup;
using enum CommandLook;

MainCommand menu(L name, L caption, CommandLook look = Menu, L parent = {}) {
    return {.place = CommandPlace::Menu,
            .menu = parent,
            .name = name,
            .caption = caption,
            .look = look};
}

MainCommand item(L in, L name, L caption, L shortcut, CommandHandler handler,
                 CommandGroup group = None, CommandLook look = Item) {
    return {.place = CommandPlace::Menu,
            .menu = in,
            .name = name,
            .caption = caption,
            .shortcut = shortcut,
            .handler = handler,
            .group = group,
            .look = look};
}

MainCommand separator(L in, L name, CommandLook look = Separator) {
    return {.place = CommandPlace::Menu, .menu = in, .name = name, .look = look};
}

MainCommand popup(L name, L caption, CommandHandler handler, CommandGroup group = None) {
    return {.place = CommandPlace::Popup,
            .name = name,
            .caption = caption,
            .handler = handler,
            .group = group};
}

MainCommand popupSeparator() {
    return {.place = CommandPlace::Popup, .look = Separator};
}

MainCommand key(L name, CommandHandler handler, CommandGroup group = None) {
    return {.place = CommandPlace::ToolbarKey,
            .name = name,
            .caption = name,
            .handler = handler,
            .group = group};
}

MainCommand listButton(L name, L toolTip, L picture, L caption, CommandHandler handler,
                       CommandGroup group = None) {
    return {.place = CommandPlace::ListButton,
            .name = name,
            .caption = caption,
            .handler = handler,
            .group = group,
            .toolTip = toolTip,
            .picture = picture};
}

const L File("FileMnu");
const L Actions("ActionMnu");
const L Options("OptionMnu");
const L AddDirectory("AddDirMnu1");
const L Output("OutputDirMnu");
const L Presets("PresetsMnu");
const L Help("HelpMnu");
const L Websites("KestrovaOnTheWebMnu");

} // namespace

const QList<MainCommand>& mainCommands() {
    static const QList<MainCommand> commands{
        menu(File, L("&File"), MenuOffWhileBusy),
        item(File, L("AddMnu"), L("&Add..."), L("Ctrl+D"), &W::AddMnu_Click),
        item(File, L("AddDirMnu"), L("Add &Directory..."), L("Ctrl+Y"), &W::AddDirMnu_Click),
        separator(File, L("brk30")),
        item(File, L("RemoveMnu"), L("&Remove"), {}, &W::RemoveMnu_Click, Remove),
        item(File, L("RemoveAllMnu"), L("&Remove All"), L("Ctrl+J"), &W::RemoveAllMnu_Click,
             Remove),
        separator(File, L("brk09")),
        item(File, L("ExitMnu"), L("E&xit"), L("Ctrl+Q"), &W::ExitMnu_Click),

        menu(Actions, L("&Actions"), MenuOffWhileBusy),
        item(Actions, L("RenameMnu"), L("&Rename"), L("Ctrl+R"), &W::RenameMnu_Click, List),
        item(Actions, L("UndoRenameMnu"), L("&Undo Last Rename"), L("Ctrl+Z"),
             &W::UndoRenameMnu_Click),
        separator(Actions, L("brk1mnu")),
        item(Actions, L("MoveUpMnu"), L("Move &Up"), L("Ctrl+U"), &W::MoveUpMnu_Click, Move),
        item(Actions, L("MoveDownMnu"), L("Move Dow&n"), L("Ctrl+N"), &W::MoveDownMnu_Click, Move),
        separator(Actions, L("brk28mnu")),
        item(Actions, L("MoveFirstMnu"), L("Move To &First"), L("Ctrl+F"), &W::MoveFirstMnu_Click,
             Move),
        item(Actions, L("MoveLastMnu"), L("Move To &Last"), L("Ctrl+L"), &W::MoveLastMnu_Click,
             Move),
        separator(Actions, L("brk12mnu")),
        item(Actions, L("SelectAllMnu"), L("Select &All"), L("Ctrl+A"),
             &W::renamelst_SelectAll_cmd_Click, List),
        item(Actions, L("DeselectAllMnu"), L("De&select All"), L("Ctrl+E"),
             &W::renamelst_DeselectAll_cmd_Click, List),
        item(Actions, L("InvSelMnu"), L("&Inverse Select"), L("Ctrl+I"), &W::InvSelMnu_Click, List),
        separator(Actions, L("brk39mnu"), HiddenSeparator),
        item(Actions, L("ClearRenameLstMnu"), L("Clear Rename List"), {},
             &W::ClearRenameLstMnu_Click, List, Hidden),

        menu(Options, L("&Options")),
        item(Options, L("GeneralMnu"), L("&General..."), L("Ctrl+K"), &W::GeneralMnu_Click),
        separator(Options, L("brk22mnu")),
        menu(AddDirectory, L("&Add Directory"), Menu, Options),
        item(AddDirectory, L("IncSubdirMnu"), L("&Include Subdirectory"), {},
             &W::IncSubdirMnu_Click, None, Checkable),
        item(AddDirectory, L("ExcSubdirMnu"), L("&Exclude Subdirectory"), {},
             &W::ExcSubdirMnu_Click, None, Checkable),
        menu(Output, L("&Save Rename File(s) To"), Menu, Options),
        item(Output, L("OutputWhereFileIsMnu"), L("Where &File Is"), {},
             &W::OutputWhereFileIsMnu_Click, None, Checkable),
        item(Output, L("OutputCustomDirMnu"), L("&Specify a Custom Directory..."), {},
             &W::OutputCustomDirMnu_Click, None, Checkable),
        separator(Options, L("brk21mnu")),
        item(Options, L("CustomFileTypeMnu"), L("Custom FileT&ype..."), {},
             &W::CustomFileTypeMnu_Click),
        separator(Options, L("brk29mnu")),
        item(Options, L("ShowGridMnu"), L("Show Grid"), {}, &W::ShowGridMnu_Click, None, Checkable),
        item(Options, L("GridOptionsMnu"), L("Grid &Appearance"), {}, nullptr, None,
             GridOptionsToggle),
        separator(Options, L("brk40mnu")),
        menu(Presets, L("&Presets"), Menu, Options),
        item(Presets, L("SavePresetMnu"), L("&Save Rules As..."), {}, &W::SavePresetMnu_Click),
        // The saved presets' items go between these two.
        separator(Presets, L("brk41mnu")),
        separator(Presets, L("brk42mnu")),
        item(Presets, L("DeletePresetMnu"), L("&Delete Preset..."), {}, &W::DeletePresetMnu_Click),

        menu(Help, L("&Help")),
        item(Help, L("HelpTopicsMnu"), L("Kestrova Quillane &Help Topics"), L("F1"),
             &W::HelpTopicsMnu_Click),
        item(Help, L("TODMnu"), L("Tip of the Day"), {}, &W::TODMnu_Click),
        separator(Help, L("brk2mnu")),
        item(Help, L("TechMnu"), L("Technical &Support"), {}, &W::TechMnu_Click),
        separator(Help, L("brk20mnu")),
        menu(Websites, L("Websites"), Menu, Help),
        item(Websites, L("QuillaneSiteMnu"), L("Kestrova Quillane Webpage"), {},
             &W::QuillaneSiteMnu_Click),
        item(Websites, L("QuillaneFAQMnu"), L("Kestrova Quillane FAQ"), {},
             &W::QuillaneFAQMnu_Click),
        separator(Websites, L("brk24mnu")),
        item(Websites, L("GoToSiteMnu"), L("Kestrova"), {}, &W::GoToSiteMnu_Click),
        separator(Help, L("brk5mnu")),
        item(Help, L("AbtMnu"), L("&About Kestrova Quillane..."), {}, &W::AbtMnu_Click),

        popup(L("AddRenameWhatSelPopupMnu"), L("Add..."), &W::AddMnu_Click),
        popup(L("AddDirRenameWhatSelPopupMnu"), L("Add Directory..."), &W::AddDirMnu_Click),
        popup(L("RemoveRenameWhatSelPopupMnu"), L("Remove"), &W::RemoveMnu_Click, Remove),
        popup(L("RemoveAllRenameWhatSelPopupMnu"), L("Remove All"), &W::ClearRenameLstMnu_Click,
              Remove),
        popupSeparator(),
        popup(L("MoveUpRenameWhatSelPopupMnu"), L("Move Up"), &W::selposup_cmd_Click, Move),
        popup(L("MoveDownRenameWhatSelPopupMnu"), L("Move Down"), &W::selposdown_cmd_Click, Move),
        popupSeparator(),
        popup(L("MoveToFirstRenameWhatSelPopupMnu"), L("Move To First"), &W::MoveFirstMnu_Click,
              Move),
        popup(L("MoveToLastRenameWhatSelPopupMnu"), L("Move To Last"), &W::MoveLastMnu_Click, Move),

        key(L("Add"), &W::AddMnu_Click),
        key(L("Add Dir"), &W::AddDirMnu_Click),
        key(L("Remove"), &W::RemoveMnu_Click, Remove),
        key(L("Remove All"), &W::ClearRenameLstMnu_Click, Remove),
        key(L("Up"), &W::MoveUpMnu_Click, Move),
        key(L("Down"), &W::MoveDownMnu_Click, Move),
        key(L("Rename"), &W::RenameMnu_Click, List),
        key(L("Options"), &W::GeneralMnu_Click),
        key(L("Help"), &W::HelpTopicsMnu_Click),

        listButton(L("selposup_cmd"), L("Move Up"), L(":/list/up.png"), {}, &W::selposup_cmd_Click),
        listButton(L("selposdown_cmd"), L("Move Down"), L(":/list/down.png"), {},
                   &W::selposdown_cmd_Click),
        listButton(L("renamelst_Clear_cmd"), L("Clear Rename List"), {}, L("Clear"),
                   &W::renamelst_Clear_cmd_Click, List),
        listButton(L("renamelst_SelectAll_cmd"), L("Select All"), L(":/list/selectall.png"), {},
                   &W::renamelst_SelectAll_cmd_Click, List),
        listButton(L("renamelst_DeselectAll_cmd"), L("Deselect All"), L(":/list/deselectall.png"),
                   {}, &W::renamelst_DeselectAll_cmd_Click, List),
        listButton(L("renamelst_InvSel_cmd"), L("Inverse Select"), L(":/list/invertselection.png"),
                   {}, &W::renamelst_InvSel_cmd_Click, List),
    };
    return commands;
}

} // namespace quillane
