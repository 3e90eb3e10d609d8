#include "forms/quillanemainfrm/ToolbarButtons.h"

#include <algorithm>

namespace quillane {

const QList<ToolbarButton>& toolbarButtons() {
    using L = QLatin1StringView;
    static const QList<ToolbarButton> buttons{
        {0, L("Add"), L("Add file(s) to Rename List..."),
         L("Add file(s)... (multiple selection possible)"), 0, 9},
        {1, L("Add Dir"), L("Add Directory to Rename List..."), L("Add Directory..."), 1, 10},
        {3, L("Remove"), L("Remove selected file(s) from Rename List"),
         L("Remove selected file(s)."), 2, 11},
        {4, L("Remove All"), L("Remove all file(s) from Rename List"), L("Remove all files."), 3,
         12},
        {6, L("Up"), L("Move selected file(s) up in Rename List"), L("Move selected file(s) up."),
         4, 13},
        {7, L("Down"), L("Move selected file(s) down in Rename List"),
         L("Move selected file(s) down."), 5, 14},
        {9, L("Rename"), L("Rename  files"), L("Rename file(s)."), 6, 15},
        {11, L("Options"), L("Configure options"), L("Configure options."), 7, 16},
        {13, L("Help"), L("Launch help file"), L("Launch help file."), 8, 17},
    };
    return buttons;
}

std::optional<ToolbarButton> toolbarButtonAt(int position) {
    const QList<ToolbarButton>& buttons = toolbarButtons();
    const auto found =
        std::find_if(buttons.begin(), buttons.end(),
                     [position](const ToolbarButton& b) { return b.position == position; });
    if (found == buttons.end())
        return std::nullopt;
    return *found;
}

QString toolbarHoverText(int position, const QString& idleText) {
    if (const std::optional<ToolbarButton> button = toolbarButtonAt(position))
        return button->hoverText;
    return idleText;
}

} // namespace quillane
