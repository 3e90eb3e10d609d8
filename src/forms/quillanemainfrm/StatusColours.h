#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

#include <optional>

namespace quillane {

// A colour as the window system names it: red in the low byte, then green and blue; with the
// high bit set, the low byte instead names a system colour.
using ColourValue = quint32;
inline constexpr ColourValue SystemHighlight = 0x8000000D;

// The plain red-green-blue value of `colour`, looking system colours up in `palette`; nothing
// for a system colour the palette has no role for.
std::optional<qint32> TranslateColor(ColourValue colour, const QPalette& palette);

struct ColourParts {
    qint16 red = 0;
    qint16 green = 0;
    qint16 blue = 0;
    friend bool operator==(const ColourParts&, const ColourParts&) = default;
};

// The three parts of a red-green-blue value.
ColourParts SplitColour(qint32 rgb);

// Text that tells of a problem, on `background`.
QColor errorColour(const QColor& background);

} // namespace quillane
