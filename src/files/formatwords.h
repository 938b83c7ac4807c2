#pragma once

// Words of the settings files' format. They are not user texts and are never
// translated: a file written under any language of the windows holds these
// very words, and one written by an earlier version reads back by them. The
// texts a user reads are in texts.h.

#include <QString>

namespace pernoa {

// The markers that start the three sections of a sheet settings file.
inline const QString kTavriSetteiMarker = QStringLiteral("[$TavriSettei$]");
inline const QString kTextSetteiMarker = QStringLiteral("[$TextSettei$]");
inline const QString kImageSetteiMarker = QStringLiteral("[$ImageSettei$]");
// The marker of the music section (staff stack, grouping, bar lines), which
// stands between the parameter section and the text section; readers that
// know only the three sections above never look at its lines.
inline const QString kGakufuSetteiMarker = QStringLiteral("[$GakufuSettei$]");
// The keys of the music section, and the words its values are written in.
inline constexpr char kStackKey[] = "stack";
inline constexpr char kGroupingKey[] = "grouping";
inline constexpr char kBarsKey[] = "bars";
inline constexpr char kBarsThroughKey[] = "barsthrough";
inline constexpr const char* kGroupingWords[] = {"none", "brace", "bracket"}; // by BlockGrouping
inline constexpr const char* kBarReachWords[] = {"block", "staff"};           // by BarLineReach

// The paper section: the paper when it is none of the five the parameter
// line names (whose paper field then holds the nearest of those), and the
// sides of a paper of the user's size.
//
//   [$YoushiSettei$]
//   paper=custom
//   width=230
//   height=305
inline const QString kYoushiSetteiMarker = QStringLiteral("[$YoushiSettei$]");
// The paper's word of the paper table: letter, legal, tabloid or custom.
inline constexpr char kPaperKey[] = "paper";
// Width and height of a paper of the user's size, mm, portrait as given.
inline constexpr char kWidthKey[] = "width";
inline constexpr char kHeightKey[] = "height";

// A text item's style flags as written.
inline const QString kTrueWord = QStringLiteral("True");
inline const QString kFalseWord = QStringLiteral("False");

// How a line break inside a text item is written: the two characters \ and n.
inline const QString kEscapedBreak = QStringLiteral("\\n");

// The line weights, thin to thick, as the parameter line stores them (the
// weight list's entry i is stored as word i, whatever the list shows).
inline const QString kLineWeightWords[] = {QStringLiteral("細め"), QStringLiteral("普通"),
                                           QStringLiteral("太め")};
// The weight a parameter line without one stands for.
inline const QString& kDefaultLineWeightWord = kLineWeightWords[1];

// The name of the default settings file.
inline const QString kDefaultSetteiName = QStringLiteral("tavri_settei");

} // namespace pernoa
