#include "forms/quillanemainfrm/RenameGrid.h"

#include "forms/quillanemainfrm/StatusColours.h"
#include "renamelist/RenameListModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace quillane {

namespace {

// How much of the row shows through a blended selection.
constexpr int BlendedSelectionAlpha = 110;

// Leaves the focus rectangle out of the cells when the grid draws none, and draws the statuses
// that need a check in the error colour.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(const RenameGrid& grid) : QStyledItemDelegate(nullptr), m_grid(grid) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!m_grid.focusRectangle())
            option->state &= ~QStyle::State_HasFocus;
        if (index.data(RenameListModel::NeedsCheckRole).toBool())
            option->palette.setColor(QPalette::Text,
                                     errorColour(option->palette.color(QPalette::Base)));
    }

private:
    const RenameGrid& m_grid;
};

qsizetype slotIndex(GridColourSlot slot) {
    return static_cast<qsizetype>(slot) - 1;
}

} // namespace

RenameGrid::RenameGrid(QWidget* parent) : QTableView(parent) {
    // The grid draws its own lines, so that each direction can be switched on its own.
    setShowGrid(false);
    auto* delegate = new CellDelegate(*this);
    delegate->setParent(this);
    setItemDelegate(delegate);
    // Until the colours are switched the grid looks as the desktop draws it: the area below the
    // rows like the rows, a selection without focus as the desktop shows one.
    const QPalette system = QApplication::palette(this);
    m_colours = customColourSet(false, system);
    m_colours[slotIndex(GridColourSlot::EmptyArea)] = system.color(QPalette::Base);
    m_colours[slotIndex(GridColourSlot::InactiveSelection)] =
        system.color(QPalette::Inactive, QPalette::Highlight);
    m_colours[slotIndex(GridColourSlot::InactiveSelectionText)] =
        system.color(QPalette::Inactive, QPalette::HighlightedText);
}

void RenameGrid::setGridLines(bool shown) {
    m_gridLines = shown;
    viewport()->update();
}

void RenameGrid::setHorizontalLinesHidden(bool hidden) {
    m_horizontalHidden = hidden;
    viewport()->update();
}

void RenameGrid::setVerticalLinesHidden(bool hidden) {
    m_verticalHidden = hidden;
    viewport()->update();
}

void RenameGrid::setFillMode(int mode) {
    m_fillMode = mode;
    viewport()->update();
}

void RenameGrid::setFocusRectangle(bool drawn) {
    m_focusRectangle = drawn;
    viewport()->update();
}

void RenameGrid::setBlendedSelection(bool blended) {
    m_blendedSelection = blended;
    applyColours();
}

void RenameGrid::setBackgroundPicture(const QPixmap& picture) {
    m_backgroundPicture = picture;
    applyColours();
}

const GridColour& RenameGrid::colour(GridColourSlot slot) const {
    return m_colours[slotIndex(slot)];
}

void RenameGrid::setColour(GridColourSlot slot, const GridColour& colour) {
    m_colours[slotIndex(slot)] = colour;
    applyColours();
}

void RenameGrid::applyColours() {
    const auto slot = [this](GridColourSlot which) {
        return *colour(which);
    };
    QPalette colours = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        if (m_backgroundPicture.isNull())
            colours.setColor(group, QPalette::Base, slot(GridColourSlot::Background));
        else
            colours.setBrush(group, QPalette::Base, QBrush(m_backgroundPicture));
        colours.setColor(group, QPalette::Text, slot(GridColourSlot::Text));
    }
    QColor selection = slot(GridColourSlot::Selection);
    QColor inactiveSelection = slot(GridColourSlot::InactiveSelection);
    if (m_blendedSelection) {
        selection.setAlpha(BlendedSelectionAlpha);
        inactiveSelection.setAlpha(BlendedSelectionAlpha);
    }
    colours.setColor(QPalette::Active, QPalette::Highlight, selection);
    colours.setColor(QPalette::Active, QPalette::HighlightedText,
                     slot(GridColourSlot::SelectionText));
    colours.setColor(QPalette::Inactive, QPalette::Highlight, inactiveSelection);
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     slot(GridColourSlot::InactiveSelectionText));
    const GridColour& alternate = colour(GridColourSlot::AlternateRow);
    setAlternatingRowColors(alternate.has_value());
    if (alternate)
        colours.setColor(QPalette::AlternateBase, *alternate);
    setPalette(colours);

    QPalette header = horizontalHeader()->palette();
    header.setColor(QPalette::Button, slot(GridColourSlot::HeaderBackground));
    header.setColor(QPalette::ButtonText, slot(GridColourSlot::HeaderText));
    horizontalHeader()->setPalette(header);
    viewport()->update();
}

void RenameGrid::paintEvent(QPaintEvent* event) {
    const int rows = model() == nullptr ? 0 : model()->rowCount();
    const int rowsBottom = rows == 0 ? 0 : rowViewportPosition(rows - 1) + rowHeight(rows - 1);
    if (rowsBottom < viewport()->height() && m_backgroundPicture.isNull()) {
        QPainter empty(viewport());
        empty.fillRect(0, std::max(rowsBottom, 0), viewport()->width(),
                       viewport()->height() - std::max(rowsBottom, 0),
                       *colour(GridColourSlot::EmptyArea));
    }
    QTableView::paintEvent(event);
    if (m_gridLines)
        drawLines();
}

void RenameGrid::drawLines() {
    QPainter painter(viewport());
    painter.setPen(*colour(GridColourSlot::Lines));
    const int rows = model() == nullptr ? 0 : model()->rowCount();
    const int columns = model() == nullptr ? 0 : model()->columnCount();
    const int height = viewport()->height();
    const int lastColumn = columns - 1;
    const int right = columns == 0 ? viewport()->width()
                                   : columnViewportPosition(lastColumn) + columnWidth(lastColumn);
    const int first = rowAt(0);
    int bottom = 0;
    if (rows > 0 && first >= 0) {
        const int last = rowAt(height - 1) < 0 ? rows - 1 : rowAt(height - 1);
        for (int row = first; row <= last; ++row) {
            bottom = rowViewportPosition(row) + rowHeight(row);
            if (!m_horizontalHidden)
                painter.drawLine(0, bottom - 1, right - 1, bottom - 1);
        }
    }
    if (m_fillMode == 1) {
        // Empty rows of the usual height go on to the bottom of the view.
        const int step = std::max(verticalHeader()->defaultSectionSize(), 1);
        if (!m_horizontalHidden)
            for (int y = bottom + step; y <= height; y += step)
                painter.drawLine(0, y - 1, right - 1, y - 1);
        bottom = height;
    }
    if (m_verticalHidden)
        return;
    for (int column = 0; column < columns; ++column) {
        const int x = columnViewportPosition(column) + columnWidth(column) - 1;
        painter.drawLine(x, 0, x, bottom - 1);
    }
}

} // namespace quillane
