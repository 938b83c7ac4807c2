#include "cli/batch.h"
#include "engine/language.h"
#include "output/fontmap.h"
#include "ui/gui.h"

#include <QCoreApplication>

#include <csignal>

// The program: the windows by default, batch work when a batch option is given.
int main(int argc, char* argv[]) {
#ifdef SIGXFSZ
    // A file that would pass the process's file size limit must end in the
    // write error path (which keeps the old file and says so), not kill the
    // program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Settings and text items name Windows faces; both the windows and the
    // batch output need them mapped before any font is chosen.
    pernoa::output::installFontSubstitutions();
    // The user's configuration folder, where the stored language is, is
    // named after the program.
    QCoreApplication::setApplicationName(QStringLiteral("pernoa"));
    const pernoa::cli::LanguageOption option = pernoa::cli::takeLanguageOption(argc, argv);
    const pernoa::Language language = pernoa::runLanguage(option.asked, pernoa::languageStore());
    if (option.error)
        return pernoa::cli::reportUsageError(*option.error, language);
    if (pernoa::cli::isBatchInvocation(argc, argv))
        return pernoa::cli::runBatch(argc, argv, language);
    return pernoa::ui::runGui(argc, argv, language);
}
