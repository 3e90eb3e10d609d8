#include "forms/quillanemainfrm/GridColours.h"

namespace quillane {

GridColourSet customColourSet(bool custom, const QPalette& system) {
    if (custom) {
        const QColor header(150, 97, 153);
        return {QColor(86, 35, 87),
                QColor(72, 29, 73),
                header,
                header,
                QColor(155, 122, 158),
                QColor(110, 46, 112),
                QColor(135, 102, 138),
                QColor(220, 202, 222),
                QColor(196, 170, 126),
                QColor(72, 29, 73),
                QColor(135, 102, 138),
                QColor(220, 202, 222)};
    }
    const auto colour = [&system](QPalette::ColorRole role) {
        return GridColour{system.color(QPalette::Active, role)};
    };
    const GridColour buttonFace = colour(QPalette::Button);
    return {std::nullopt,
            colour(QPalette::Base),
            buttonFace,
            buttonFace,
            colour(QPalette::Text),
            colour(QPalette::Mid),
            buttonFace,
            colour(QPalette::Text),
            colour(QPalette::Highlight),
            colour(QPalette::HighlightedText),
            buttonFace,
            colour(QPalette::Text)};
}

} // namespace quillane
