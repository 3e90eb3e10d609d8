#include "forms/quillanemainfrm/MainLayout.h"

#include "forms/quillanemainfrm/MainWindowTexts.h"
#include "forms/quillanemainfrm/StatusColours.h"
#include "forms/quillanemainfrm/ToolbarButtons.h"
#include "tests/QtPrinters.h"

#include <QPalette>

#include <gmock/gmock.h>

#include <algorithm>

namespace quillane {
namespace {

using namespace Qt::StringLiterals;

// The step that sets the control's width, or else the first one naming it.
std::optional<Placement> stepFor(const QList<Placement>& steps, QLatin1StringView control,
                                 std::optional<int> Placement::*edge = &Placement::width) {
    auto found = std::find_if(steps.begin(), steps.end(), [&](const Placement& p) {
        return p.control == control && (p.*edge).has_value();
    });
    if (found == steps.end())
        found = std::find_if(steps.begin(), steps.end(),
                             [control](const Placement& p) { return p.control == control; });
    if (found == steps.end())
        return std::nullopt;
    return *found;
}

TEST(MainLayoutTest, GridButtonsAndFramesFollowTheFormAndTheDisplayProfile) {
    DisplayProfile themed;
    themed.HeightExtra = 60;
    themed.ListButtonsShift = 40;
    themed.ListButtonsRaise = 50;
    themed.ClearButtonShift = 10;
    themed.ThemedButtonShift = 10;
    const QList<Placement> steps = resizeLayout({12000, 9000}, themed, 0);

    const Placement grid = *stepFor(steps, QLatin1StringView("grdThis"));
    EXPECT_EQ(grid.width, 12000 - 345);
    EXPECT_EQ(grid.height, 9000 - 7280 - 60);
    const int gridBottom = designOf(QLatin1StringView("grdThis")).top + *grid.height;

    const auto left = [&](const char* control) {
        return *stepFor(steps, QLatin1StringView(control))->left;
    };
    EXPECT_EQ(left("renamelst_InvSel_cmd"), 12000 - 430 + 40 - 30);
    EXPECT_EQ(left("renamelst_DeselectAll_cmd"), left("renamelst_InvSel_cmd") - 210 + 40);
    EXPECT_EQ(left("renamelst_SelectAll_cmd"), left("renamelst_DeselectAll_cmd") - 220 + 40);
    EXPECT_EQ(left("renamelst_Clear_cmd"), left("renamelst_SelectAll_cmd") - 600 + 40 - 10);
    EXPECT_EQ(stepFor(steps, QLatin1StringView("renamelst_Clear_cmd"))->top, gridBottom + 55 - 50);

    const auto top = [&](const char* control) {
        return *stepFor(steps, QLatin1StringView(control), &Placement::top)->top - gridBottom;
    };
    EXPECT_EQ(top("prefix_tab"), 260);
    EXPECT_EQ(top("suffix_no_incr_lbl"), 2090);
    EXPECT_EQ(top("AttrbFrm"), 3385);
    EXPECT_EQ(top("DateAsSuPrefix_Opt(1)"), 2465 - 50);

    const int frameWidth = 12000 - designOf(QLatin1StringView("FilenameFrm")).left - 220;
    EXPECT_EQ(stepFor(steps, QLatin1StringView("FilenameFrm"))->width, frameWidth);
    EXPECT_EQ(stepFor(steps, QLatin1StringView("new_filename_txt"))->width,
              frameWidth - designOf(QLatin1StringView("new_filename_txt")).left - 120);
}

TEST(MainLayoutTest, StepsThatWouldGoNegativeFailAloneAndTheGridKeepsItsHeight) {
    const QList<Placement> steps = resizeLayout({3000, 5000}, DisplayProfile{}, 900);

    const Placement grid = *stepFor(steps, QLatin1StringView("grdThis"));
    EXPECT_TRUE(grid.width >= 0);
    EXPECT_FALSE(grid.fits());
    EXPECT_FALSE(stepFor(steps, StatusPanel1)->fits());
    // The controls below the grid still move, under the grid as it stays.
    const int keptBottom = designOf(QLatin1StringView("grdThis")).top + 900;
    EXPECT_EQ(stepFor(steps, QLatin1StringView("ReplaceFrm"))->top, keptBottom + 2550);
    EXPECT_TRUE(stepFor(steps, QLatin1StringView("ReplaceFrm"))->fits());
}

TEST(MainLayoutTest, DesignedControlsDoNotOverlapTheirNeighboursOnTheSameRow) {
    // Controls on the form placed below the grid at the same offset sit side by side.
    const QList<Placement> steps = resizeLayout(FormDesignSize, DisplayProfile{}, 0);
    for (const Placement& a : steps)
        for (const Placement& b : steps) {
            if (a.control >= b.control || !a.top || !b.top || *a.top != *b.top)
                continue;
            const TwipRect ra = designOf(a.control);
            const TwipRect rb = designOf(b.control);
            const int aRight = ra.left + a.width.value_or(ra.width);
            const int bRight = rb.left + b.width.value_or(rb.width);
            const bool apart = aRight <= rb.left || bRight <= ra.left || a.left || b.left;
            EXPECT_TRUE(apart) << a.control.data() << " overlaps " << b.control.data();
        }
}

TEST(ToolbarButtonsTest, HoverTextsFollowPositionsAndEverythingElseIsIdle) {
    const QString idle = MainWindowText::AwaitingJob;
    EXPECT_EQ(toolbarHoverText(0, idle), u"Add file(s)... (multiple selection possible)"_s);
    EXPECT_EQ(toolbarHoverText(13, idle), u"Launch help file."_s);
    for (const int elsewhere : {-1, 2, 5, 8, 10, 12, 14, 99})
        EXPECT_EQ(toolbarHoverText(elsewhere, idle), idle) << elsewhere;
}

TEST(StatusColoursTest, SplitColourTakesRedGreenBlueFromTheLowBytes) {
    const ColourParts parts = SplitColour(252 + 252 * 256 + 230 * 65536);
    EXPECT_EQ(parts, (ColourParts{252, 252, 230}));
    // Remainders keep the dividend's sign.
    EXPECT_EQ(SplitColour(-1), (ColourParts{-1, 0, 0}));
}

TEST(StatusColoursTest, TranslateColorLooksSystemColoursUpInThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(10, 20, 30));
    EXPECT_EQ(TranslateColor(SystemHighlight, palette), 10 + 20 * 256 + 30 * 65536);
    EXPECT_EQ(TranslateColor(0x00123456u, palette), 0x123456);
    EXPECT_EQ(TranslateColor(0x80000063u, palette), std::nullopt);
}

} // namespace
} // namespace quillane
