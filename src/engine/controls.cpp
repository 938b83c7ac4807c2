#include "engine/controls.h"

#include "engine/papersizes.h"

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
    {ctl::txtSpaceSizeUp, K::Text, "", "上マージン", "mm", "30"},
    {ctl::txtSpaceSizeDown, K::Text, "", "下マージン", "mm", "30"},
    {ctl::txtSpaceSizeLeft, K::Text, "", "左マージン", "mm", "15"},
    {ctl::txtSpaceSizeRight, K::Text, "", "右マージン", "mm", "15"},
    {ctl::txtPrinterGosaY, K::Text, "", "上", "mm", "0"},
    {ctl::txtPrinterGosaX, K::Text, "", "左", "mm", "0"},
    {ctl::sbrPrintShade, K::ScrollBar, "", "五線の色の濃さ", "", "0"},
    {ctl::lblPrintShade, K::Label, "", "", "", "100%"},
    {kPaperOptions, K::Option, "Frame1", "", "", ""},
    {ctl::chkPrintDirectionYoko, K::Check, "Frame1", "横長", "", "0"},
    {ctl::optHyojiLarge, K::Option, "FrmHyojiSize", "大", "", "0"},
    {ctl::opbHyojiSmall, K::Option, "FrmHyojiSize", "小", "", "1"},
    // Tab "五線譜自身の設定"
    {ctl::txtDaifuhyoCnt, K::Text, "", "大譜表の数", "段", "1"},
    {ctl::txtDaifuhyoInterval, K::Text, "", "大譜表の間隔", "mm", "0"},
    {ctl::lstLineWeight, K::List, "", "線の幅", "", "普通"},
    {ctl::txtTavriDansu, K::Text, "", "五線の段数", "段", "10"},
    {ctl::txtLineInterval, K::Text, "", "線の間隔", "mm", "2"},
    // Written by every drawing, never by the user.
    {ctl::txtTavriInterval, K::Text, "", "五線間隔 ・参考値", "mm", ""},
    {ctl::opt2, K::Option, "fraLineCnt", "２本", "", "0"},
    {ctl::opt3, K::Option, "fraLineCnt", "３本", "", "0"},
    {ctl::opt4, K::Option, "fraLineCnt", "４本-４弦楽器のタブ譜", "", "0"},
    {ctl::opt5, K::Option, "fraLineCnt", "５本-五線譜", "", "1"},
    {ctl::opt6, K::Option, "fraLineCnt", "６本-ギターのタブ譜", "", "0"},
    // Tab "譜表の組み合わせ"
    {ctl::txtFuhyoNarabi, K::Text, "", QT_TRANSLATE_NOOP("engine", "譜表の並び（上から）"), "", ""},
    {ctl::optKukuriNashi, K::Option, "fraKukuri", QT_TRANSLATE_NOOP("engine", "なし"), "", "1"},
    {ctl::optKukuriBrace, K::Option, "fraKukuri", QT_TRANSLATE_NOOP("engine", "ブレース"), "", "0"},
    {ctl::optKukuriBracket, K::Option, "fraKukuri", QT_TRANSLATE_NOOP("engine", "ブラケット"), "",
     "0"},
    {ctl::txtShosetsuSu, K::Text, "", QT_TRANSLATE_NOOP("engine", "1段の小節数"),
     QT_TRANSLATE_NOOP("engine", "小節"), "0"},
    {ctl::optShosetsuTsuranuku, K::Option, "fraShosetsusen",
     QT_TRANSLATE_NOOP("engine", "大譜表を貫く"), "", "1"},
    {ctl::optShosetsuFuhyogoto, K::Option, "fraShosetsusen",
     QT_TRANSLATE_NOOP("engine", "譜表ごと"), "", "0"},
    {ctl::lblGosenTakasa, K::Label, "", "", "", ""},
    // Below the tabs
    {ctl::txtPrintCount, K::Text, "", "印刷枚数", "枚", "1"},
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
                            p->kind == DefaultPaper ? "1" : "0"});
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
    return {QStringLiteral("細め"), QStringLiteral("普通"), QStringLiteral("太め")};
}

} // namespace pernoa
