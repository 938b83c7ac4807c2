#pragma once

// The texts of the staff engine that a user reads, in one place: the
// program's title and the titles and lines shared by the windows' checks,
// the control table's captions and units, the messages of the checks and the
// print job, the page's warnings, the calibration sheet's lines, and the
// causes the command line names after the catch-all message. Each is wrapped
// for Qt's translation tools in the context "engine"; its source text is the
// text as the program shows it today, Japanese, or the English of the causes.
//
// Words a file or a device stores (the face names) are not here but in
// formatwords.h: a translation must never change them.

#include <QString>
#include <QtGlobal>

namespace pernoa::texts {

// Texts that stand in tables (the control table's captions, units and start
// entry, the checks' field names): sources for Qt's translation tools, shown
// through tableText(). The checks and the settings file name a field by its
// caption where they have the same words.
inline constexpr char kUpperMargin[] = QT_TRANSLATE_NOOP("engine", "上マージン");
inline constexpr char kLowerMargin[] = QT_TRANSLATE_NOOP("engine", "下マージン");
inline constexpr char kLeftMargin[] = QT_TRANSLATE_NOOP("engine", "左マージン");
inline constexpr char kRightMargin[] = QT_TRANSLATE_NOOP("engine", "右マージン");
// The two printer offsets under their heading "プリンタの誤差設定".
inline constexpr char kOffsetTop[] = QT_TRANSLATE_NOOP("engine", "上");
inline constexpr char kOffsetLeft[] = QT_TRANSLATE_NOOP("engine", "左");
// The printer's scale correction per axis, under its heading
// (scaleCorrectionHeading in the windows' catalogue), in percent.
inline constexpr char kScaleAcross[] = QT_TRANSLATE_NOOP("engine", "横");
inline constexpr char kScaleDown[] = QT_TRANSLATE_NOOP("engine", "縦");
inline constexpr char kShade[] = QT_TRANSLATE_NOOP("engine", "五線の色の濃さ");
// The papers of the paper table whose captions are words (the others show
// their names: "A4").
inline constexpr char kPaperLetter[] = QT_TRANSLATE_NOOP("engine", "レター");
inline constexpr char kPaperLegal[] = QT_TRANSLATE_NOOP("engine", "リーガル");
inline constexpr char kPaperTabloid[] = QT_TRANSLATE_NOOP("engine", "タブロイド");
inline constexpr char kPaperCustom[] = QT_TRANSLATE_NOOP("engine", "任意");
// The sides of the paper of the user's size.
inline constexpr char kCustomWidth[] = QT_TRANSLATE_NOOP("engine", "幅");
inline constexpr char kCustomHeight[] = QT_TRANSLATE_NOOP("engine", "高さ");
inline constexpr char kLandscape[] = QT_TRANSLATE_NOOP("engine", "横長");
inline constexpr char kDisplayLarge[] = QT_TRANSLATE_NOOP("engine", "大");
inline constexpr char kDisplaySmall[] = QT_TRANSLATE_NOOP("engine", "小");
inline constexpr char kBlockCount[] = QT_TRANSLATE_NOOP("engine", "大譜表の数");
inline constexpr char kBlockGap[] = QT_TRANSLATE_NOOP("engine", "大譜表の間隔");
inline constexpr char kLineWeight[] = QT_TRANSLATE_NOOP("engine", "線の幅");
inline constexpr char kStaffCount[] = QT_TRANSLATE_NOOP("engine", "五線の段数");
inline constexpr char kLineSpacing[] = QT_TRANSLATE_NOOP("engine", "線の間隔");
inline constexpr char kStaffDistance[] = QT_TRANSLATE_NOOP("engine", "五線間隔 ・参考値");
// The frame of the line-count options.
inline constexpr char kLineCount[] = QT_TRANSLATE_NOOP("engine", "線の本数");
inline constexpr char kTwoLines[] = QT_TRANSLATE_NOOP("engine", "２本");
inline constexpr char kThreeLines[] = QT_TRANSLATE_NOOP("engine", "３本");
inline constexpr char kFourLines[] = QT_TRANSLATE_NOOP("engine", "４本-４弦楽器のタブ譜");
inline constexpr char kFiveLines[] = QT_TRANSLATE_NOOP("engine", "５本-五線譜");
inline constexpr char kSixLines[] = QT_TRANSLATE_NOOP("engine", "６本-ギターのタブ譜");
// The third tab "譜表の組み合わせ".
inline constexpr char kStackCaption[] = QT_TRANSLATE_NOOP("engine", "譜表の並び（上から）");
inline constexpr char kGroupingNone[] = QT_TRANSLATE_NOOP("engine", "なし");
inline constexpr char kGroupingBrace[] = QT_TRANSLATE_NOOP("engine", "ブレース");
inline constexpr char kGroupingBracket[] = QT_TRANSLATE_NOOP("engine", "ブラケット");
inline constexpr char kMeasuresPerLine[] = QT_TRANSLATE_NOOP("engine", "1段の小節数");
inline constexpr char kUnitMeasures[] = QT_TRANSLATE_NOOP("engine", "小節");
inline constexpr char kBarsThroughBlock[] = QT_TRANSLATE_NOOP("engine", "大譜表を貫く");
inline constexpr char kBarsPerStaff[] = QT_TRANSLATE_NOOP("engine", "譜表ごと");
// The presets of the third tab, and the clefs of the staff stack.
inline constexpr char kPresetPlain[] = QT_TRANSLATE_NOOP("engine", "標準（音部記号なし）");
inline constexpr char kPresetPiano[] = QT_TRANSLATE_NOOP("engine", "ピアノ");
inline constexpr char kPresetGuitarTab[] = QT_TRANSLATE_NOOP("engine", "ギター（TAB譜付き）");
inline constexpr char kPresetChoirSatb[] = QT_TRANSLATE_NOOP("engine", "合唱（SATB）");
inline constexpr char kPresetPercussion[] = QT_TRANSLATE_NOOP("engine", "打楽器（1線）");
inline constexpr char kClefNone[] = QT_TRANSLATE_NOOP("engine", "なし");
inline constexpr char kClefTreble[] = QT_TRANSLATE_NOOP("engine", "ト音記号");
inline constexpr char kClefBass[] = QT_TRANSLATE_NOOP("engine", "ヘ音記号");
inline constexpr char kClefAlto[] = QT_TRANSLATE_NOOP("engine", "アルト記号");
inline constexpr char kClefTenor[] = QT_TRANSLATE_NOOP("engine", "テノール記号");
inline constexpr char kClefTrebleOctaveDown[] = QT_TRANSLATE_NOOP("engine", "ト音記号（8下）");
inline constexpr char kClefPercussion[] = QT_TRANSLATE_NOOP("engine", "打楽器記号");
inline constexpr char kClefTab[] = QT_TRANSLATE_NOOP("engine", "TAB");
inline constexpr char kPrintCount[] = QT_TRANSLATE_NOOP("engine", "印刷枚数");
inline constexpr char kUnitMm[] = QT_TRANSLATE_NOOP("engine", "mm");
inline constexpr char kUnitPercent[] = QT_TRANSLATE_NOOP("engine", "%");
inline constexpr char kUnitStaves[] = QT_TRANSLATE_NOOP("engine", "段");
inline constexpr char kUnitSheets[] = QT_TRANSLATE_NOOP("engine", "枚");
// The unit of the grand staves' count: the same word as the staves' in
// Japanese, other words in English, so it is shown through blockUnit(),
// which tells the two apart for the translation.
inline constexpr char kUnitBlocks[] = "段";
// The entries of the line-weight list, thin to thick. The settings file keeps
// its own words for them (formatwords.h in files), whatever these say.
inline constexpr char kWeightThin[] = QT_TRANSLATE_NOOP("engine", "細め");
inline constexpr char kWeightNormal[] = QT_TRANSLATE_NOOP("engine", "普通");
inline constexpr char kWeightThick[] = QT_TRANSLATE_NOOP("engine", "太め");
// Fields the checks name in words of their own.
inline constexpr char kLineSpacingField[] = QT_TRANSLATE_NOOP("engine", "線同士の幅");
inline constexpr char kOffsetLeftField[] = QT_TRANSLATE_NOOP("engine", "プリンタの誤差・左");
inline constexpr char kOffsetTopField[] = QT_TRANSLATE_NOOP("engine", "プリンタの誤差・上");
inline constexpr char kScaleAcrossField[] = QT_TRANSLATE_NOOP("engine", "プリンタの倍率・横");
inline constexpr char kScaleDownField[] = QT_TRANSLATE_NOOP("engine", "プリンタの倍率・縦");
inline constexpr char kCustomWidthField[] = QT_TRANSLATE_NOOP("engine", "用紙の幅");
inline constexpr char kCustomHeightField[] = QT_TRANSLATE_NOOP("engine", "用紙の高さ");

// A table's text as shown: its translation, or the source itself; "" for
// none (nullptr or "").
QString tableText(const char* source);
// The unit shown for kUnitBlocks.
QString blockUnit();

// --- titles and lines the windows share ---
QString appTitle();
QString errorTitle();
// The one message after any run-time error of a drawing or a print job.
QString catchAllError();

// --- the checks of a number field, named by its caption ---
QString fieldEmpty(const QString& field);
QString fieldNotNumeric(const QString& field);
QString fieldTooLong(const QString& field, int maxChars);
// The answer to a value that is not greater than 0, and its title.
QString tease();
QString teaseTitle();
QString printCountNotInteger();
// A number field whose value lies outside the range it takes: the field's
// name and the least and the greatest value, already worded as numbers.
QString valueOutOfRange(const QString& field, const QString& least, const QString& greatest);

// --- the print job ---
QString printRequested();
QString printCancelled();
// The darkness label: a percentage already worded as a number.
QString shadePercent(const QString& number);

// --- the page's warnings, one short sentence each, and what joins them
// on the preview's one line ---
QString staffsOverlap();
QString staffsPastThePaper();
QString staffsUnprintable();
QString warningSeparator();

// --- the printer calibration sheet ---
QString calibrationTitle();
// The instructions under the title, one printed line per line.
QString calibrationInstructions();
// How to turn what the user measures on the scale rulers into the scale
// correction, before the frame is measured, one printed line per line; the
// rulers' length in mm, worded as a number.
QString scaleInstructions(const QString& rulerMm);

// --- causes of a failed drawing or print job (the command line's
// "pernoa:" line) ---
QString noPrinter();
QString outOfMemory();
QString tooManyLines(const QString& count);
QString tooManyBlocks(const QString& count);
QString tooManyBarLines(const QString& count);
QString blockCountRoundsToZero();
QString typeMismatch();
QString overflow();
QString overflow16Bit();
QString overflow32Bit();
QString overflowSingle();
QString overflowZeroByZero();
QString divisionByZero();

// --- the staff stack and the music settings, checked as the window's
// fields are ---
QString stackTooManyRows(int most);
QString stackLineCountRange(int row, int fewest, int most);
// The field names the window's number messages put in front of their words.
QString stackLineCountField(int row);
QString stackSpacingField(int row);
QString stackSpacingWrong(int row);
QString stackClefUnknown(int row, const QString& word);
QString stackClefWrong(int row);
QString stackUnreadable(const QString& text);
QString groupingWrong();
QString barReachWrong();
QString measuresNotWhole();
QString tooManyMeasures(int room);

// --- the third tab's reading of the staff size ---
QString staffHeight(const QString& millimetres);

// --- the page's warning when the music font is missing ---
QString musicFontMissing();

} // namespace pernoa::texts
