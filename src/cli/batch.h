#pragma once

#include "engine/language.h"

#include <QString>

#include <optional>

namespace pernoa::cli {

// The language asked for on the command line with --lang ja|en (or
// --lang=en): taken out of argv, so that the rest of the command line reads
// as if it had not been given. Words after "--" are file names, not options.
struct LanguageOption {
    std::optional<Language> asked;
    // The usage error of a --lang without a value or with a wrong word.
    std::optional<QString> error;
};
LanguageOption takeLanguageOption(int& argc, char* argv[]);

// True when the command line asks for batch work (an option starting with "--").
bool isBatchInvocation(int argc, char* argv[]);

// Runs the batch command line, speaking the language; returns the exit status.
int runBatch(int argc, char* argv[], Language language);

// Writes the usage error to standard error in the language; returns the
// exit status of a usage error, 2.
int reportUsageError(const QString& error, Language language);

} // namespace pernoa::cli
