#pragma once

// Words that belong to the settings file's format, not texts for the user:
// they are written and read as they stand, whatever the language of the
// program.

#include <QString>

namespace pernoa {

// The paper section: the paper when it is none of the five the parameter
// line names (whose paper field then holds the nearest of those), and the
// sides of a paper of the user's size.
//
//   [$YoushiSettei$]
//   paper=custom
//   width=230
//   height=305
inline const QString YoushiSetteiMarker = QStringLiteral("[$YoushiSettei$]");

namespace paperkey {
// The paper's word of the paper table: letter, legal, tabloid or custom.
inline constexpr const char* Paper = "paper";
// Width and height of a paper of the user's size, mm, portrait as given.
inline constexpr const char* Width = "width";
inline constexpr const char* Height = "height";
} // namespace paperkey

} // namespace pernoa
