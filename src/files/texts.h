#pragma once

// The settings files' texts that a user reads, each in one place, with the
// Japanese as the source text for Qt's translation tools (context "files").

#include <QString>

namespace pernoa::files::texts {

// The music section of a settings file was refused.
QString musicSectionUnreadable();
// The line it was refused for (quoted short and escaped).
QString lineNotReadable(const QString& line);

} // namespace pernoa::files::texts
