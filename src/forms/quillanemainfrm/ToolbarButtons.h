#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace quillane {

// One button of the main tool bar. `position` counts the separators too.
struct ToolbarButton {
    int position;
    QLatin1StringView key; // also the caption
    QLatin1StringView toolTip;
    QLatin1StringView hoverText;
    QLatin1StringView command; // the menu item whose command a click runs
    int imageOnWindowsXP;
    int imageElsewhere;
};

// The nine buttons, left to right.
const QList<ToolbarButton>& toolbarButtons();

// The button at a tool-bar position; nothing for a separator or a position past the last button.
std::optional<ToolbarButton> toolbarButtonAt(int position);

// What status panel 1 shows while the mouse is over a tool-bar position.
QString toolbarHoverText(int position);

} // namespace quillane
