#include "forms/quillanemainfrm/GridOptionsPanel.h"

#include "forms/quillanemainfrm/RenameGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace quillane {

using namespace Qt::StringLiterals;

namespace {

// The background picture: a faint woven pattern that leaves the names readable.
QPixmap backgroundPicture() {
    QPixmap picture(24, 24);
    picture.fill(QColor(250, 250, 246));
    QPainter painter(&picture);
    painter.setPen(QColor(232, 234, 224));
    for (int i = 0; i < 24; i += 6) {
        painter.drawLine(i, 0, i, 23);
        painter.drawLine(0, i, 23, i);
    }
    return picture;
}

const QString FlatHeaderStyle =
    u"QHeaderView::section { border: none; border-right: 1px solid palette(mid);"
    " border-bottom: 1px solid palette(mid); padding: 2px 4px; background: palette(button); }"_s;

QWidget* group(QVBoxLayout* panel, const QString& name, const QString& caption) {
    auto* heading = new QLabel(caption);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    panel->addWidget(heading);
    auto* boxes = new QFrame;
    boxes->setObjectName(name);
    boxes->setFrameShape(QFrame::StyledPanel);
    new QVBoxLayout(boxes);
    panel->addWidget(boxes);
    return boxes;
}

} // namespace

GridOptionsPanel::GridOptionsPanel(RenameGrid& grid, QWidget* parent)
    : QWidget(parent), m_grid(grid) {
    setObjectName(u"fraOptions"_s);
    auto* panel = new QVBoxLayout(this);

    m_group = group(panel, u"picBehaviourGroup"_s, u" Behaviour"_s);
    box(u"chkHeader"_s, u"&Header"_s, u"Set whether the grid's header should be shown."_s, true,
        &GridOptionsPanel::chkHeader_Click);
    m_headerButtons = box(u"chkHeaderButtons"_s, u"Header Bu&ttons"_s,
                          u"When the grid has header buttons, you can sort the rows by clicking "
                          "the header columns. Disable it by turning HeaderButtons off."_s,
                          true, &GridOptionsPanel::chkHeaderButtons_Click);
    m_flatHeader = box(u"chkFlatHeader"_s, u"&Flat Header"_s,
                       u"When FlatHeader is selected, the grid overdraws the 3D borders of the "
                       "header items to make them appear flatter."_s,
                       false, &GridOptionsPanel::chkFlatHeader_Click);
    box(u"chkOptions(0)"_s, u"&Multi-Select"_s,
        u"Set multi-select mode on the grid.  In multi-select mode you can use the Shift and "
        "Control keys to select combinations of rows or cells."_s,
        true, &GridOptionsPanel::multiSelect_Click);
    box(u"chkOptions(1)"_s, u"&Row Mode"_s,
        u"Normally, you can select single cells in the grid.  In RowMode entire rows are "
        "selected."_s,
        true, &GridOptionsPanel::rowMode_Click);

    m_group = group(panel, u"Picture2"_s, u" Appearance"_s);
    m_gridLines =
        box(u"chkOptions(2)"_s, u"&Grid-Lines"_s, u"Toggle whether grid lines are shown."_s,
            grid.gridLines(), &GridOptionsPanel::gridLinesChosen);
    m_horizontal = box(u"chkOptions(3)"_s, u"&Horizontal"_s,
                       u"Toggle whether horizontal grid lines are displayed."_s, true,
                       &GridOptionsPanel::horizontal_Click);
    m_vertical = box(u"chkOptions(4)"_s, u"&Vertical"_s,
                     u"Toggle whether vertical grid lines are displayed."_s, true,
                     &GridOptionsPanel::vertical_Click);
    m_fillGrid = box(u"chkOptions(5)"_s, u"&Fill Grid"_s,
                     u"Select if you want grid lines to repeat below the last row of the grid."_s,
                     false, &GridOptionsPanel::fillGrid_Click);
    box(u"chkBackground"_s, u"&Background Bitmap"_s,
        u"Sets a bitmap to use as the background texture behind the grid."_s, false,
        &GridOptionsPanel::chkBackground_Click);
    const QString focusTip = u"Toggles whether a focus rectangle is drawn around the selection "
                             "when the grid is in focus."_s;
    m_focusRectangle = box(u"chkDrawFocusRect"_s, u"Dra&w Focus Rectangle"_s, focusTip, true,
                           &GridOptionsPanel::chkDrawFocusRect_Click);
    box(u"chkBlendSelection"_s, u"&Alpha Blend Selection"_s, focusTip, false,
        &GridOptionsPanel::chkBlendSelection_Click);
    box(u"chkCustomColours"_s, u"C&ustom Colours"_s, u"Toggles a custom colour set for the grid."_s,
        false, &GridOptionsPanel::chkCustomColours_Click);
    box(u"chkAlternateRowColour"_s, u"Alternate Row Colours"_s,
        u"Makes alternate rows render in a different colour."_s, true,
        &GridOptionsPanel::chkAlternateRowColour_Click);
    // The grid shows no icons, so this box changes nothing.
    box(u"chkHighlightSelectedIcons"_s, u"Highlight Selected Ico&ns"_s,
        u"Toggles whether icons are highlighted when a cell is selected."_s, false, nullptr);
    panel->addStretch();
}

QCheckBox* GridOptionsPanel::box(const QString& name, const QString& caption,
                                 const QString& toolTip, bool checked,
                                 void (GridOptionsPanel::*handler)(bool)) {
    auto* created = new QCheckBox(caption, m_group);
    created->setObjectName(name);
    created->setToolTip(toolTip);
    created->setChecked(checked);
    m_group->layout()->addWidget(created);
    if (handler != nullptr)
        connect(created, &QCheckBox::clicked, this, handler);
    return created;
}

void GridOptionsPanel::showGridLines(bool shown) {
    m_gridLines->setChecked(shown);
    for (QCheckBox* dependant : {m_horizontal, m_vertical, m_fillGrid})
        dependant->setEnabled(shown);
}

void GridOptionsPanel::chkHeader_Click(bool checked) {
    m_grid.horizontalHeader()->setVisible(checked);
    m_headerButtons->setEnabled(checked);
    m_flatHeader->setEnabled(checked);
}

void GridOptionsPanel::chkHeaderButtons_Click(bool checked) {
    m_grid.horizontalHeader()->setSectionsClickable(checked);
}

void GridOptionsPanel::chkFlatHeader_Click(bool checked) {
    m_grid.horizontalHeader()->setStyleSheet(checked ? FlatHeaderStyle : QString());
}

void GridOptionsPanel::multiSelect_Click(bool checked) {
    m_grid.setSelectionMode(checked ? QAbstractItemView::ExtendedSelection
                                    : QAbstractItemView::SingleSelection);
}

void GridOptionsPanel::rowMode_Click(bool checked) {
    m_grid.setSelectionBehavior(checked ? QAbstractItemView::SelectRows
                                        : QAbstractItemView::SelectItems);
}

void GridOptionsPanel::horizontal_Click(bool checked) {
    m_grid.setHorizontalLinesHidden(!checked);
}

void GridOptionsPanel::vertical_Click(bool checked) {
    m_grid.setVerticalLinesHidden(!checked);
}

void GridOptionsPanel::fillGrid_Click(bool checked) {
    m_grid.setFillMode(checked ? 1 : 0);
}

void GridOptionsPanel::chkBackground_Click(bool checked) {
    m_grid.setBackgroundPicture(checked ? backgroundPicture() : QPixmap());
}

void GridOptionsPanel::chkDrawFocusRect_Click(bool checked) {
    m_grid.setFocusRectangle(checked);
}

void GridOptionsPanel::chkBlendSelection_Click(bool checked) {
    m_grid.setBlendedSelection(checked);
    const QPalette system = QApplication::palette(&m_grid);
    if (checked) {
        m_grid.setFocusRectangle(false);
        m_grid.setColour(GridColourSlot::SelectionText, system.color(QPalette::Text));
    } else {
        m_grid.setFocusRectangle(m_focusRectangle->isChecked());
        m_grid.setColour(GridColourSlot::SelectionText, system.color(QPalette::HighlightedText));
    }
}

void GridOptionsPanel::chkCustomColours_Click(bool checked) {
    const GridColourSet colours = customColourSet(checked, QApplication::palette(&m_grid));
    m_grid.setUpdatesEnabled(false);
    for (int slot = 1; slot <= GridColourSlotCount; ++slot)
        m_grid.setColour(static_cast<GridColourSlot>(slot), colours[slot - 1]);
    m_grid.setUpdatesEnabled(true);
}

void GridOptionsPanel::chkAlternateRowColour_Click(bool checked) {
    m_grid.setColour(GridColourSlot::AlternateRow,
                     checked ? GridColour{AlternateRowColour} : std::nullopt);
}

} // namespace quillane
