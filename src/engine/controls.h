#pragma once

// Names of the main window's controls. The engine and the settings files reach
// the window's live values by these names; the window uses them as object names.

#include <QString>
#include <QStringList>

#include <span>

namespace pernoa::ctl {

// Tab "五線譜全体の設定"
inline constexpr const char* txtSpaceSizeUp = "txtSpaceSizeUp";
inline constexpr const char* txtSpaceSizeDown = "txtSpaceSizeDown";
inline constexpr const char* txtSpaceSizeLeft = "txtSpaceSizeLeft";
inline constexpr const char* txtSpaceSizeRight = "txtSpaceSizeRight";
inline constexpr const char* txtPrinterGosaY = "txtPrinterGosaY";
inline constexpr const char* txtPrinterGosaX = "txtPrinterGosaX";
// The printer's scale correction per axis, in percent: printing only.
inline constexpr const char* txtPrinterBairituX = "txtPrinterBairituX";
inline constexpr const char* txtPrinterBairituY = "txtPrinterBairituY";
inline constexpr const char* sbrPrintShade = "sbrPrintShade";
inline constexpr const char* lblPrintShade = "lblPrintShade";
// The paper options: their captions and places are rows of the paper table
// (papersizes.h).
inline constexpr const char* optA3 = "optA3";
inline constexpr const char* optA4 = "optA4";
inline constexpr const char* optA5 = "optA5";
inline constexpr const char* optB4 = "optB4";
inline constexpr const char* optB5 = "optB5";
inline constexpr const char* optLetter = "optLetter";
inline constexpr const char* optLegal = "optLegal";
inline constexpr const char* optTabloid = "optTabloid";
// The paper of the user's size, and its width and height in mm (portrait).
inline constexpr const char* optNini = "optNini";
inline constexpr const char* txtNiniHaba = "txtNiniHaba";
inline constexpr const char* txtNiniTakasa = "txtNiniTakasa";
inline constexpr const char* chkPrintDirectionYoko = "chkPrintDirectionYoko";
inline constexpr const char* optHyojiLarge = "optHyojiLarge";
inline constexpr const char* opbHyojiSmall = "opbHyojiSmall";

// Tab "五線譜自身の設定"
inline constexpr const char* txtDaifuhyoCnt = "txtDaifuhyoCnt";
inline constexpr const char* txtDaifuhyoInterval = "txtDaifuhyoInterval";
inline constexpr const char* lstLineWeight = "lstLineWeight";
inline constexpr const char* txtTavriDansu = "txtTavriDansu";
inline constexpr const char* txtLineInterval = "txtLineInterval";
inline constexpr const char* txtTavriInterval = "txtTavriInterval";
inline constexpr const char* opt2 = "opt2";
inline constexpr const char* opt3 = "opt3";
inline constexpr const char* opt4 = "opt4";
inline constexpr const char* opt5 = "opt5";
inline constexpr const char* opt6 = "opt6";

// Tab "譜表の組み合わせ": what is drawn on and around the staves. The stack
// is one text (see musicsettings.h) that the window edits row by row.
inline constexpr const char* txtFuhyoNarabi = "txtFuhyoNarabi";
inline constexpr const char* optKukuriNashi = "optKukuriNashi";
inline constexpr const char* optKukuriBrace = "optKukuriBrace";
inline constexpr const char* optKukuriBracket = "optKukuriBracket";
inline constexpr const char* txtShosetsuSu = "txtShosetsuSu";
inline constexpr const char* optShosetsuTsuranuku = "optShosetsuTsuranuku";
inline constexpr const char* optShosetsuFuhyogoto = "optShosetsuFuhyogoto";
// The height of a staff at the window's line spacing, written by the engine.
inline constexpr const char* lblGosenTakasa = "lblGosenTakasa";

// Below the tabs
inline constexpr const char* txtPrintCount = "txtPrintCount";

} // namespace pernoa::ctl

namespace pernoa {

// The range of the printer's scale correction, in percent.
inline constexpr double kScaleCorrectionMin = 98.0;
inline constexpr double kScaleCorrectionMax = 102.0;

// The longest text a field of the main window holds. The check refuses a
// longer value, wherever it comes from (typed, pasted, a settings file, the
// command line), rather than taking it cut short.
inline constexpr int kMaxFieldChars = 32767;

enum class ControlKind { Text, Label, ScrollBar, Option, Check, List };

// One control of the main window as it starts: the window builds it from this
// row, the headless form holds it, the command line names its values by it.
struct ControlRow {
    const char* name;
    ControlKind kind;
    // The frame the control stands in ("Frame1", "FrmHyojiSize", "fraLineCnt");
    // option buttons of one frame form one group. "" outside the frames.
    const char* group;
    // The caption: above a number field or list, beside a button. "" for none.
    // A source text of the catalogue (texts.h), shown through captionOf().
    const char* caption;
    // The unit after a number field (mm, 段, 枚); "" for none. Shown through
    // unitOf().
    const char* unit;
    // The start value: the text of a text box or label, "1" or "0" for a
    // button, the scroll bar's position, the caption of the selected entry
    // (a source text of the catalogue). Shown through startTextOf().
    const char* initial;
};

// Every control of the main window, in the order of its rows.
std::span<const ControlRow> controlTable();
// The row of a control, or nullptr.
const ControlRow* controlRow(const QString& name);

// The option buttons that form one group with the given one (itself
// included), in the window's order, or an empty list for a control that is
// no option button.
QStringList optionGroupOf(const QString& control);

// The line-count options opt2 ... opt6: entry i selects i + 2 lines.
QStringList lineCountOptions();

// The entries of the line weight list as shown, thin to thick: entry i is
// line weight i + 1 (kLineWeightThin, kLineWeightNormal, kLineWeightThick).
QStringList lineWeightCaptions();

// A control's caption, unit and start value as the window shows them.
QString captionOf(const ControlRow& row);
QString unitOf(const ControlRow& row);
QString startTextOf(const ControlRow& row);

} // namespace pernoa
