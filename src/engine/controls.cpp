#include "engine/controls.h"

#include "engine/papersizes.h"
#include "engine/texts.h"

#include <vector>

namespace pernoa {
namespace {

using K = ControlKind;

// The rows of the window's controls. The paper options are not among them:
// they come from the paper table, in the window's order, in place of the
// marker row.
constexpr char kPaperOptions[] = "(the paper options)";

const ControlRow kOwnControls[] = {
    // Tab "五線譜全体の設定"
    {ctl::txtSpaceSizeUp, K::Text, "", texts::kUpperMargin, texts::kUnitMm, "30"},
    {ctl::txtSpaceSizeDown, K::Text, "", texts::kLowerMargin, texts::kUnitMm, "30"},
    {ctl::txtSpaceSizeLeft, K::Text, "", texts::kLeftMargin, texts::kUnitMm, "15"},
    {ctl::txtSpaceSizeRight, K::Text, "", texts::kRightMargin, texts::kUnitMm, "15"},
    {ctl::txtPrinterGosaY, K::Text, "", texts::kOffsetTop, texts::kUnitMm, "0"},
    {ctl::txtPrinterGosaX, K::Text, "", texts::kOffsetLeft, texts::kUnitMm, "0"},
    {ctl::txtPrinterBairituX, K::Text, "", texts::kScaleAcross, texts::kUnitPercent, "100"},
    {ctl::txtPrinterBairituY, K::Text, "", texts::kScaleDown, texts::kUnitPercent, "100"},
    {ctl::sbrPrintShade, K::ScrollBar, "", texts::kShade, "", "0"},
    {ctl::lblPrintShade, K::Label, "", "", "", "100%"},
    {kPaperOptions, K::Option, "Frame1", "", "", ""},
    {ctl::txtNiniHaba, K::Text, "", texts::kCustomWidth, texts::kUnitMm, "210"},
    {ctl::txtNiniTakasa, K::Text, "", texts::kCustomHeight, texts::kUnitMm, "297"},
    {ctl::chkPrintDirectionYoko, K::Check, "Frame1", texts::kLandscape, "", "0"},
    {ctl::optHyojiLarge, K::Option, "FrmHyojiSize", texts::kDisplayLarge, "", "0"},
    {ctl::opbHyojiSmall, K::Option, "FrmHyojiSize", texts::kDisplaySmall, "", "1"},
    // Tab "五線譜自身の設定"
    {ctl::txtDaifuhyoCnt, K::Text, "", texts::kBlockCount, texts::kUnitBlocks, "1"},
    {ctl::txtDaifuhyoInterval, K::Text, "", texts::kBlockGap, texts::kUnitMm, "0"},
    {ctl::lstLineWeight, K::List, "", texts::kLineWeight, "", texts::kWeightNormal},
    {ctl::txtTavriDansu, K::Text, "", texts::kStaffCount, texts::kUnitStaves, "10"},
    {ctl::txtLineInterval, K::Text, "", texts::kLineSpacing, texts::kUnitMm, "2"},
    // Written by every drawing, never by the user.
    {ctl::txtTavriInterval, K::Text, "", texts::kStaffDistance, texts::kUnitMm, ""},
    {ctl::opt2, K::Option, "fraLineCnt", texts::kTwoLines, "", "0"},
    {ctl::opt3, K::Option, "fraLineCnt", texts::kThreeLines, "", "0"},
    {ctl::opt4, K::Option, "fraLineCnt", texts::kFourLines, "", "0"},
    {ctl::opt5, K::Option, "fraLineCnt", texts::kFiveLines, "", "1"},
    {ctl::opt6, K::Option, "fraLineCnt", texts::kSixLines, "", "0"},
    // Tab "譜表の組み合わせ"
    {ctl::txtFuhyoNarabi, K::Text, "", texts::kStackCaption, "", ""},
    {ctl::optKukuriNashi, K::Option, "fraKukuri", texts::kGroupingNone, "", "1"},
    {ctl::optKukuriBrace, K::Option, "fraKukuri", texts::kGroupingBrace, "", "0"},
    {ctl::optKukuriBracket, K::Option, "fraKukuri", texts::kGroupingBracket, "", "0"},
    {ctl::txtShosetsuSu, K::Text, "", texts::kMeasuresPerLine, texts::kUnitMeasures, "0"},
    {ctl::optShosetsuTsuranuku, K::Option, "fraShosetsusen", texts::kBarsThroughBlock, "", "1"},
    {ctl::optShosetsuFuhyogoto, K::Option, "fraShosetsusen", texts::kBarsPerStaff, "", "0"},
    {ctl::lblGosenTakasa, K::Label, "", "", "", ""},
    // Below the tabs
    {ctl::txtPrintCount, K::Text, "", texts::kPrintCount, texts::kUnitSheets, "1"},
};

std::vector<ControlRow> buildControls() {
    std::vector<ControlRow> rows;
    for (const ControlRow& c : kOwnControls) {
        if (c.name != kPaperOptions) {
            rows.push_back(c);
            continue;
        }
        for (const PaperSize* p : papersInWindowOrder())
            rows.push_back({p->option, K::Option, c.group, p->caption, "",
                            p->kind == kDefaultPaper ? "1" : "0"});
    }
    return rows;
}

const std::vector<ControlRow>& controls() {
    static const std::vector<ControlRow> rows = buildControls();
    return rows;
}

} // namespace

std::span<const ControlRow> controlTable() {
    return controls();
}

const ControlRow* controlRow(const QString& name) {
    for (const ControlRow& c : controls())
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

QStringList optionGroupOf(const QString& control) {
    const ControlRow* option = controlRow(control);
    if (!option || option->kind != ControlKind::Option)
        return {};
    QStringList group;
    for (const ControlRow& c : controls())
        if (c.kind == ControlKind::Option && qstrcmp(c.group, option->group) == 0)
            group << QString::fromLatin1(c.name);
    return group;
}

QStringList lineCountOptions() {
    return optionGroupOf(QString::fromLatin1(ctl::opt2));
}

QStringList lineWeightCaptions() {
    return {texts::tableText(texts::kWeightThin), texts::tableText(texts::kWeightNormal),
            texts::tableText(texts::kWeightThick)};
}

QString captionOf(const ControlRow& row) {
    return texts::tableText(row.caption);
}

QString unitOf(const ControlRow& row) {
    if (row.unit == texts::kUnitBlocks)
        return texts::blockUnit();
    return texts::tableText(row.unit);
}

QString startTextOf(const ControlRow& row) {
    // A list starts with the caption of an entry, which is shown translated.
    return row.kind == ControlKind::List ? texts::tableText(row.initial)
                                         : QString::fromUtf8(row.initial);
}

} // namespace pernoa
