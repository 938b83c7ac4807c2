#pragma once

// Cutting one line of a settings file, or the command line, into numbered
// fields.

#include <QChar>
#include <QString>

#include <cstdint>

namespace pernoa {

// The index-th field of text (counted from 1), fields separated by the
// delimiter (exact character comparison). Every double quote is dropped from
// the field, but quotes do not protect a delimiter: "a,b" in quotes is still
// two fields. Nothing is trimmed. Two delimiters in a row enclose an empty
// field; an index below 1 or past the last field gives the empty string.
QString stGetDelimitedField(const QString& text, std::int32_t index, QChar delimiter);

// The index-th comma-separated field of line; stGetDelimitedField with ",".
QString stGetField(const QString& line, std::int32_t index);

} // namespace pernoa
