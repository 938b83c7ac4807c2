#pragma once

// The settings files' texts that the user reads, one function each, with the
// Japanese as the source text of Qt's translation tools (context "files").

#include <QString>

namespace pernoa::files::texts {

// The paper section of a settings file cannot be read (first line of the
// message).
QString paperSettingsUnreadable();
// A line of a key=value section that is refused: %1 the line, quoted short.
QString sectionLineUnreadable();

} // namespace pernoa::files::texts
