#pragma once

// Names of the main window's controls. The engine and the settings files reach
// the window's live values by these names; the window uses them as object names.

namespace pernoa::ctl {

// Tab "五線譜全体の設定"
inline constexpr const char* txtSpaceSizeUp = "txtSpaceSizeUp";
inline constexpr const char* txtSpaceSizeDown = "txtSpaceSizeDown";
inline constexpr const char* txtSpaceSizeLeft = "txtSpaceSizeLeft";
inline constexpr const char* txtSpaceSizeRight = "txtSpaceSizeRight";
inline constexpr const char* txtPrinterGosaY = "txtPrinterGosaY";
inline constexpr const char* txtPrinterGosaX = "txtPrinterGosaX";
inline constexpr const char* sbrPrintShade = "sbrPrintShade";
inline constexpr const char* lblPrintShade = "lblPrintShade";
inline constexpr const char* optA3 = "optA3";
inline constexpr const char* optA4 = "optA4";
inline constexpr const char* optA5 = "optA5";
inline constexpr const char* optB4 = "optB4";
inline constexpr const char* optB5 = "optB5";
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

// Below the tabs
inline constexpr const char* txtPrintCount = "txtPrintCount";

} // namespace pernoa::ctl
