#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace quillane {

// How one key of the main tool bar looks; `position` counts the separators too. What it does
// is in the command table, under the same key.
struct ToolbarButton {
    int position;
    QLatin1StringView key; // also the caption
    QLatin1StringView toolTip;
    QLatin1StringView hoverText;
    int imageOnWindowsXP;
    int imageElsewhere;
};

// The nine buttons, left to right.
const QList<ToolbarButton>& toolbarButtons();

// The button at a tool-bar position; nothing for a separator or a position past the last button.
std::optional<ToolbarButton> toolbarButtonAt(int position);

// What status panel 1 shows while the mouse is over a tool-bar position: off the buttons, what it
// shows while idle.
QString toolbarHoverText(int position, const QString& idleText);

} // namespace quillane
