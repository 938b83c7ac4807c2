// Starts the windows with a settings file, as "pernoa FILE.kvs2" does, and
// prints how long after the start the first message box stood on screen (the
// moment the user can act again, in milliseconds) and the length of its text
// in characters. Every box is answered OK as soon as it shows; the program
// ends once the start-up is done.
//
// Usage: pernoa_message_box FILE.kvs2

#include "ui/dialogrunner.h"
#include "ui/gui.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: pernoa_message_box FILE.kvs2\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    pernoa::ui::GuiProgram::prepareApplication(app);
    // The default settings file of the run stays out of the build tree.
    QTemporaryDir folder;
    pernoa::ui::DesktopDialogRunner desktop;
    pernoa::ui::GuiProgram program(desktop, folder.path());

    QElapsedTimer clock;
    qint64 shownAfter = -1;
    qsizetype textLength = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        if (shownAfter < 0) {
            shownAfter = clock.elapsed();
            textLength = box->text().size();
        }
        box->accept();
    });
    poll.start(1);
    clock.start();
    program.start({QStringLiteral("pernoa"), QString::fromLocal8Bit(argv[1])});
    if (shownAfter < 0) {
        std::fputs("no message box was shown\n", stderr);
        return 1;
    }
    std::printf("%lld %lld\n", static_cast<long long>(shownAfter),
                static_cast<long long>(textLength));
    return 0;
}
