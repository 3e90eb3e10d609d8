#pragma once

#include "startup/DisplayProfile.h"

#include <QList>
#include <QString>

#include <optional>

namespace quillane {

// A rectangle in twips (1440 to the inch).
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

// Where a control of the main window sits before any resize: on the form, or inside the named
// frame with coordinates relative to it.
struct DesignRect {
    QLatin1StringView control;
    QLatin1StringView parent; // empty: the form itself
    TwipRect rect;
};

// Every placed control of the main window in creation order, frames before their contents.
const QList<DesignRect>& mainWindowDesign();
TwipRect designOf(QLatin1StringView control);

// The form's size in twips as the layout counts it. The layout's figures include the window's
// frame, menu bar, tool bar and status bar, which are not part of the area the controls sit in;
// `FormChrome` is what they add to that area.
struct FormSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const FormSize&, const FormSize&) = default;
};
inline constexpr FormSize FormChrome{120, 2340};
inline constexpr FormSize FormDesignSize{13200, 10800};

// The status bar's first panel; its placement sets only a minimum width.
inline constexpr QLatin1StringView StatusPanel1("StatusPanel1");

// One step of the resize layout: the edges it sets. A step that would make a width or height
// negative fails and changes nothing; the steps after it still run.
struct Placement {
    QLatin1StringView control;
    std::optional<int> left;
    std::optional<int> top;
    std::optional<int> width;
    std::optional<int> height;

    bool fits() const { return width.value_or(0) >= 0 && height.value_or(0) >= 0; }
};

// The steps of the resize layout, in order, for a form of `form` size; `gridHeight` is the grid's
// height before this resize, which stays when the grid's own step fails.
QList<Placement> resizeLayout(FormSize form, const DisplayProfile& profile, int gridHeight);

} // namespace quillane
