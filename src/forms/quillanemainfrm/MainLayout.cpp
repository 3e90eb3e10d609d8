#include "forms/quillanemainfrm/MainLayout.h"

#include <algorithm>
#include <utility>

namespace quillane {

namespace {

using L = QLatin1StringView;

constexpr L Form;
constexpr L FilenameFrm("FilenameFrm");
constexpr L FiletypeFrm("FiletypeFrm");
constexpr L DateTimeFrm("DateTimeFrm");
constexpr L ReplaceFrm("ReplaceFrm");
constexpr L AttrbFrm("AttrbFrm");

// The affix columns side by side; the suffix column is the prefix column moved right.
constexpr int SuffixShift = 3240;

QList<DesignRect> affixDesign(L tab, L frame, L text, L label, L padding, L paddingScroll,
                              L paddingLabel, L ascending, L increment, L incrementScroll,
                              L incrementLabel, int shift) {
    return {
        {frame, Form, {90 + shift, 0, 3150, 2110}},
        {tab, Form, {690 + shift, 0, 2400, 330}},
        {label, Form, {210 + shift, 0, 1150, 255}},
        {text, Form, {1410 + shift, 0, 1635, 315}},
        {paddingLabel, Form, {210 + shift, 0, 1150, 255}},
        {padding, Form, {1410 + shift, 0, 1365, 315}},
        {paddingScroll, Form, {2790 + shift, 0, 255, 285}},
        {ascending, Form, {210 + shift, 0, 2400, 300}},
        {incrementLabel, Form, {210 + shift, 0, 1150, 255}},
        {increment, Form, {1410 + shift, 0, 1365, 315}},
        {incrementScroll, Form, {2790 + shift, 0, 255, 285}},
    };
}

QList<DesignRect> buildDesign() {
    QList<DesignRect> design{
        {L("grdThis"), Form, {90, 90, 12955, 3380}},
        {L("selposup_cmd"), Form, {90, 0, 210, 210}},
        {L("selposdown_cmd"), Form, {330, 0, 210, 210}},
        {L("renamelst_Clear_cmd"), Form, {0, 0, 570, 210}},
        {L("renamelst_SelectAll_cmd"), Form, {0, 0, 210, 210}},
        {L("renamelst_DeselectAll_cmd"), Form, {0, 0, 210, 210}},
        {L("renamelst_InvSel_cmd"), Form, {0, 0, 210, 210}},
    };
    design += affixDesign(L("prefix_tab"), L("prefix_fr"), L("prefix_txt"), L("prefix_lbl"),
                          L("prefix_no_format_txt"), L("prefix_no_format_vscr"),
                          L("prefix_no_format_lbl"), L("prefix_asc_chk"), L("prefix_no_incr_txt"),
                          L("prefix_no_incr_vscr"), L("prefix_no_incr_lbl"), 0);
    design += affixDesign(L("suffix_tab"), L("suffix_fr"), L("suffix_txt"), L("suffix_lbl"),
                          L("suffix_no_format_txt"), L("suffix_no_format_vscr"),
                          L("suffix_no_format_lbl"), L("suffix_asc_chk"), L("suffix_no_incr_txt"),
                          L("suffix_no_incr_vscr"), L("suffix_no_incr_lbl"), SuffixShift);
    design += QList<DesignRect>{
        {ReplaceFrm, Form, {90, 0, 6390, 2130}},
        {L("Replace_chk"), ReplaceFrm, {120, 300, 1200, 300}},
        {L("ReplaceWhat_txt"), ReplaceFrm, {1350, 270, 1900, 315}},
        {L("with_lbl"), ReplaceFrm, {3330, 300, 420, 255}},
        {L("ReplaceWith_txt"), ReplaceFrm, {3780, 270, 2490, 315}},
        {L("Replace_Space___chk"), ReplaceFrm, {120, 720, 2250, 300}},
        {L("Replace___Space_chk"), ReplaceFrm, {120, 1050, 2250, 300}},
        {L("Replace___Hyphen_chk"), ReplaceFrm, {120, 1380, 2250, 300}},
        {L("Remove_Space_chk"), ReplaceFrm, {2400, 720, 1650, 300}},
        {L("Remove_UnderScore_chk"), ReplaceFrm, {2400, 1050, 1650, 300}},
        {L("Remove_Hyphen_chk"), ReplaceFrm, {2400, 1380, 1650, 300}},
        {L("Remove_Brackets_chk"), ReplaceFrm, {4100, 720, 2250, 300}},
        {L("Remove_Brackets2_chk"), ReplaceFrm, {4100, 1050, 2250, 300}},
        {L("Remove_URL_Enc_chk"), ReplaceFrm, {4100, 1380, 2250, 300}},
        {L("ReplaceRegex_chk"), ReplaceFrm, {120, 1710, 2250, 300}},
        {L("ReplaceIgnoreCase_chk"), ReplaceFrm, {2400, 1710, 1650, 300}},
        {L("Trim_Spaces_chk"), ReplaceFrm, {4100, 1710, 2250, 300}},

        {FilenameFrm, Form, {6600, 0, 6480, 1200}},
        {L("new_filename_chk"), FilenameFrm, {120, 300, 1720, 300}},
        {L("new_filename_txt"), FilenameFrm, {1860, 270, 4500, 315}},
        {L("ren_format_lbl"), FilenameFrm, {120, 780, 1720, 255}},
        {L("filename_format_cmb"), FilenameFrm, {1860, 720, 4500, 330}},

        {FiletypeFrm, Form, {6600, 0, 6480, 780}},
        {L("new_ext_chk"), FiletypeFrm, {120, 330, 1720, 300}},
        {L("new_ext_txt"), FiletypeFrm, {1860, 300, 4500, 315}},

        {DateTimeFrm, Form, {6600, 0, 6480, 820}},
        {L("DateTime_chk"), DateTimeFrm, {120, 330, 1900, 300}},
        {L("datetime_cmb"), DateTimeFrm, {2050, 300, 2750, 330}},
        {L("datetime_source_cmb"), DateTimeFrm, {4860, 300, 1500, 330}},
        {L("DateAsSuPrefix_Opt(0)"), Form, {8800, 0, 1300, 300}},
        {L("DateAsSuPrefix_Opt(1)"), Form, {10150, 0, 1300, 300}},

        {AttrbFrm, Form, {6600, 0, 6480, 1100}},
        {L("new_attr_chk"), AttrbFrm, {120, 300, 1800, 300}},
        {L("ReadOnly_chk"), AttrbFrm, {120, 680, 1400, 300}},
        {L("Hidden_chk"), AttrbFrm, {1560, 680, 1100, 300}},
        {L("System_chk"), AttrbFrm, {2700, 680, 1100, 300}},
        {L("Archive_chk"), AttrbFrm, {3840, 680, 1200, 300}},
    };
    return design;
}

// Controls placed at a fixed distance below the grid.
constexpr std::pair<int, L> BelowGrid[]{
    {260, L("prefix_tab")},
    {260, L("suffix_tab")},
    {265, FilenameFrm},
    {380, L("prefix_fr")},
    {380, L("suffix_fr")},
    {800, L("prefix_txt")},
    {800, L("suffix_txt")},
    {860, L("prefix_lbl")},
    {860, L("suffix_lbl")},
    {1220, L("prefix_no_format_txt")},
    {1220, L("suffix_no_format_txt")},
    {1240, L("prefix_no_format_vscr")},
    {1240, L("suffix_no_format_vscr")},
    {1250, L("prefix_no_format_lbl")},
    {1250, L("suffix_no_format_lbl")},
    {1580, FiletypeFrm},
    {1670, L("prefix_asc_chk")},
    {1670, L("suffix_asc_chk")},
    {2060, L("prefix_no_incr_txt")},
    {2060, L("suffix_no_incr_txt")},
    {2080, L("prefix_no_incr_vscr")},
    {2080, L("suffix_no_incr_vscr")},
    {2090, L("prefix_no_incr_lbl")},
    {2090, L("suffix_no_incr_lbl")},
    {2465, DateTimeFrm},
    // Close under the affix frames, so that its four rows clear the status bar.
    {2550, ReplaceFrm},
    {3385, AttrbFrm},
};

constexpr int DateTimeOffset = 2465;

} // namespace

const QList<DesignRect>& mainWindowDesign() {
    static const QList<DesignRect> design = buildDesign();
    return design;
}

TwipRect designOf(QLatin1StringView control) {
    const QList<DesignRect>& design = mainWindowDesign();
    const auto found = std::find_if(design.begin(), design.end(), [control](const DesignRect& d) {
        return d.control == control;
    });
    Q_ASSERT(found != design.end());
    return found == design.end() ? TwipRect{} : found->rect;
}

QList<Placement> resizeLayout(FormSize form, const DisplayProfile& profile, int gridHeight) {
    QList<Placement> steps;
    const TwipRect grid = designOf(L("grdThis"));
    const Placement gridStep{
        L("grdThis"), {}, {}, form.width - 345, form.height - 7280 - profile.HeightExtra};
    steps.append(gridStep);
    const int gridBottom = grid.top + (*gridStep.height >= 0 ? *gridStep.height : gridHeight);

    const int shift = profile.ListButtonsShift;
    const int buttonsTop = gridBottom + 55 - profile.ListButtonsRaise;
    const int invSel = form.width - 430 + shift - 3 * profile.ThemedButtonShift;
    const int deselectAll = invSel - 210 + shift;
    const int selectAll = deselectAll - 220 + shift;
    const int clear = selectAll - 600 + shift - profile.ClearButtonShift;
    steps += {
        {L("renamelst_InvSel_cmd"), invSel, buttonsTop, {}, {}},
        {L("renamelst_DeselectAll_cmd"), deselectAll, buttonsTop, {}, {}},
        {L("renamelst_SelectAll_cmd"), selectAll, buttonsTop, {}, {}},
        {L("renamelst_Clear_cmd"), clear, buttonsTop, {}, {}},
        // The arrow buttons ride on the same row at the grid's left.
        {L("selposup_cmd"), {}, buttonsTop, {}, {}},
        {L("selposdown_cmd"), {}, buttonsTop, {}, {}},
    };

    for (const L frame : {FilenameFrm, FiletypeFrm, DateTimeFrm, AttrbFrm})
        steps.append({frame, {}, {}, form.width - designOf(frame).left - 220, {}});

    for (const auto& [offset, control] : BelowGrid)
        steps.append({control, {}, gridBottom + offset, {}, {}});

    const auto innerWidth = [&](L control, L frame) {
        const int frameWidth = form.width - designOf(frame).left - 220;
        return Placement{control, {}, {}, frameWidth - designOf(control).left - 120, {}};
    };
    const int dateTimeFrameWidth = form.width - designOf(DateTimeFrm).left - 220;
    const int sourceWidth = designOf(L("datetime_source_cmb")).width;
    steps += {
        innerWidth(L("new_filename_txt"), FilenameFrm),
        innerWidth(L("filename_format_cmb"), FilenameFrm),
        innerWidth(L("new_ext_txt"), FiletypeFrm),
        {L("DateAsSuPrefix_Opt(0)"), {}, gridBottom + DateTimeOffset - 50, {}, {}},
        {L("DateAsSuPrefix_Opt(1)"), {}, gridBottom + DateTimeOffset - 50, {}, {}},
        // The source list keeps its width at the frame's right edge; the format list takes the
        // rest.
        {L("datetime_source_cmb"), dateTimeFrameWidth - 120 - sourceWidth, {}, {}, {}},
        {L("datetime_cmb"),
         {},
         {},
         dateTimeFrameWidth - 120 - sourceWidth - 60 - designOf(L("datetime_cmb")).left,
         {}},
        {StatusPanel1, {}, {}, form.width - 3460, {}},
    };
    return steps;
}

} // namespace quillane
