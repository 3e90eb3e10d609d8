#pragma once

#include <QColor>
#include <QPalette>

#include <array>
#include <optional>

namespace quillane {

// The twelve colour slots of the rename grid, in the order they are set. Slots 1, 2 and 5 are
// the alternate-row, background and text colours; the others colour the header, the lines, the
// empty area below the rows and the selection.
enum class GridColourSlot {
    AlternateRow = 1,
    Background,
    HeaderBackground,
    HeaderBackgroundPressed, // always a copy of the header background
    Text,
    Lines,
    EmptyArea,
    HeaderText,
    Selection,
    SelectionText,
    InactiveSelection,
    InactiveSelectionText,
};
inline constexpr int GridColourSlotCount = 12;

// A slot's value: a colour, or none (only the alternate-row colour can be none).
using GridColour = std::optional<QColor>;
using GridColourSet = std::array<GridColour, GridColourSlotCount>;

// The custom colour set, or with `custom` off the system's colours taken from `system`.
GridColourSet customColourSet(bool custom, const QPalette& system);

// The alternate-row colour the window gives the grid.
inline const QColor AlternateRowColour(252, 252, 230);

} // namespace quillane
