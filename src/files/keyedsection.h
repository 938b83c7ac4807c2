#pragma once

// Sections of key=value lines in the sheet settings file, for what a feature
// stores beyond the three sections of the earlier versions:
//
//   [$YoushiSettei$]
//   paper=letter
//   (empty)
//
// A section stands after the parameter section's empty line and before
// "[$TextSettei$]". Each line holds one setting that differs from its
// default, as key=value: the key an ASCII word, the value in the file's
// conventions (numbers in plain decimal notation, code page 932 text). A
// section is written only when it has something to say, so a page that uses
// no new feature is saved byte for byte as before. The readers of the earlier
// versions each look for their own marker from the first line on, so they
// pass over such a section.
//
// A section is read whole or not at all: a line that is not key=value, a key
// the feature does not know, a key given twice or a value out of its range
// refuses the section, and the caller changes nothing and names the line.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <span>

namespace pernoa {

class clsFileIO;

struct KeyedValue {
    QString key;
    QString value;
};

// A key a section may hold, and which of its values it takes.
struct KeyRule {
    const char* key;
    std::function<bool(const QString& value)> accepts;
};

// The section's lines: the marker, one key=value line per value in the order
// given, then an empty line. No lines at all when there are no values.
QStringList keyedSectionLines(const QString& marker, const QList<KeyedValue>& values);

struct KeyedSectionRead {
    enum class Status { Missing, Read, Refused };
    Status status = Status::Missing;
    // Read: the value of each key the section gives.
    QHash<QString, QString> values;
    // Refused: the line that was refused.
    QString refusedLine;

    bool missing() const { return status == Status::Missing; }
    bool refused() const { return status == Status::Refused; }
};

// Finds the marker from the reader's next line on (a whole line, exactly),
// then takes key=value lines up to the first empty line or the end of the
// file, each checked against the rules. Missing when the marker is not found.
KeyedSectionRead readKeyedSection(clsFileIO& io, const QString& marker,
                                  std::span<const KeyRule> rules);

// True for a key the sections may use: an ASCII letter, then letters and
// digits.
bool isSectionKey(const QString& key);

} // namespace pernoa
