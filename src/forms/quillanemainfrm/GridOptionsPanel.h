#pragma once

#include <QWidget>

class QCheckBox;

namespace quillane {

class RenameGrid;

// The grid appearance options: check boxes that switch the rename grid's looks at once. Nothing
// is stored here, and each box acts only when clicked; the grid lines are a stored setting, so
// their box only says the user's choice and shows the setting.
class GridOptionsPanel : public QWidget {
    Q_OBJECT

public:
    GridOptionsPanel(RenameGrid& grid, QWidget* parent);

    // Shows the grid lines' setting.
    void showGridLines(bool shown);

Q_SIGNALS:
    void gridLinesChosen(bool shown);

private:
    QCheckBox* box(const QString& name, const QString& caption, const QString& toolTip,
                   bool checked, void (GridOptionsPanel::*handler)(bool));
    void chkHeader_Click(bool checked);
    void chkHeaderButtons_Click(bool checked);
    void chkFlatHeader_Click(bool checked);
    void multiSelect_Click(bool checked);
    void rowMode_Click(bool checked);
    void horizontal_Click(bool checked);
    void vertical_Click(bool checked);
    void fillGrid_Click(bool checked);
    void chkBackground_Click(bool checked);
    void chkDrawFocusRect_Click(bool checked);
    void chkBlendSelection_Click(bool checked);
    void chkCustomColours_Click(bool checked);
    void chkAlternateRowColour_Click(bool checked);

    RenameGrid& m_grid;
    QWidget* m_group = nullptr; // where box() puts the next check box
    QCheckBox* m_headerButtons = nullptr;
    QCheckBox* m_flatHeader = nullptr;
    QCheckBox* m_gridLines = nullptr;
    QCheckBox* m_horizontal = nullptr;
    QCheckBox* m_vertical = nullptr;
    QCheckBox* m_fillGrid = nullptr;
    QCheckBox* m_focusRectangle = nullptr;
};

} // namespace quillane
