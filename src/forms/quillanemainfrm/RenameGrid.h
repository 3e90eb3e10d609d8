#pragma once

#include "forms/quillanemainfrm/GridColours.h"

#include <QPixmap>
#include <QTableView>

namespace quillane {

// The rename list's view with the looks the grid options switch: its own grid lines (each
// direction on its own, optionally repeated below the last row), the focus rectangle, a blended
// selection, a background picture and the twelve colour slots.
class RenameGrid : public QTableView {
    Q_OBJECT

public:
    explicit RenameGrid(QWidget* parent = nullptr);

    bool gridLines() const { return m_gridLines; }
    void setGridLines(bool shown);
    bool horizontalLinesHidden() const { return m_horizontalHidden; }
    void setHorizontalLinesHidden(bool hidden);
    void setVerticalLinesHidden(bool hidden);
    // 1: the lines go on below the last row to the bottom of the view; 0: they end with it.
    void setFillMode(int mode);
    bool focusRectangle() const { return m_focusRectangle; }
    void setFocusRectangle(bool drawn);
    void setBlendedSelection(bool blended);
    // A null picture removes it.
    void setBackgroundPicture(const QPixmap& picture);

    const GridColour& colour(GridColourSlot slot) const;
    void setColour(GridColourSlot slot, const GridColour& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void applyColours();
    void drawLines();

    bool m_gridLines = true;
    bool m_horizontalHidden = false;
    bool m_verticalHidden = false;
    int m_fillMode = 0;
    bool m_focusRectangle = true;
    bool m_blendedSelection = false;
    QPixmap m_backgroundPicture;
    GridColourSet m_colours;
};

} // namespace quillane
