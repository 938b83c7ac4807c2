#include "cli/batch.h"

#include "engine/consolemessages.h"
#include "engine/controls.h"
#include "engine/headlessform.h"
#include "engine/numberrules.h"
#include "engine/papersizes.h"
#include "output/qtprinter.h"
#include "engine/tavriengine.h"
#include "engine/version.h"

#include <QGuiApplication>
#include <QString>
#include <QStringList>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace pernoa::cli {
using output::QtPrinter;
using output::QtPrinterList;
namespace {

const char* const kUsage =
    "Usage: pernoa --export-pdf OUT.pdf [OPTIONS] [SETTINGS.kvs2]\n"
    "       pernoa --print [--printer NAME] [OPTIONS] [SETTINGS.kvs2]\n"
    "       pernoa --list-printers\n"
    "       pernoa --help | --version\n"
    "Without any of these options pernoa opens its windows.\n"
    "\n"
    "Prints blank staff paper without opening a window. Every message the\n"
    "windows would show goes to standard error.\n"
    "\n"
    "Actions:\n"
    "  --export-pdf OUT.pdf   write the page to a PDF file, one page per copy\n"
    "  --print                print on the system's default printer\n"
    "  --printer NAME         with --print: print on the installed printer NAME\n"
    "  --list-printers        list the installed printers, the default marked\n"
    "  --help                 show this help\n"
    "  --version              show the version\n"
    "\n"
    "Sheet options, the fields of the main window (checked as the window checks\n"
    "them; lengths in mm):\n"
    "  --paper A3|A4|A5|B4|B5            paper (A4)\n"
    "  --landscape                       landscape orientation (portrait)\n"
    "  --margins TOP,BOTTOM,LEFT,RIGHT   page margins (30,30,15,15)\n"
    "  --blocks N                        number of grand-staff blocks (1)\n"
    "  --block-gap MM                    gap between the blocks (0)\n"
    "  --staves N                        staves in each block (10)\n"
    "  --lines 2..6                      lines of each staff (5)\n"
    "  --spacing MM                      space between the lines of a staff (2)\n"
    "  --weight thin|normal|thick        line weight (normal)\n"
    "  --shade 0..255                    grey level of the lines, 0 black (0)\n"
    "  --offset X,Y                      printer offset correction, left and top (0,0)\n"
    "  --copies N                        number of copies (1)\n"
    "An option's value may also follow an equals sign (--copies=3).\n"
    "\n"
    "SETTINGS.kvs2, a settings file of the windows, is applied before the sheet\n"
    "options; this version cannot read settings files yet.\n"
    "\n"
    "Exit status: 0 when done, 1 after an error message, 2 for a usage error.\n";

// Reads a settings file into the form as the window's open command does,
// showing its own messages; false when the file could not be read. None is
// available in this version: a settings file on the command line is then a
// usage error.
using SettingsFileReader = std::function<bool(const QString& path, TavriEngine& engine)>;
SettingsFileReader settingsFileReader() {
    return {};
}

enum class Action { None, ExportPdf, Print, ListPrinters, Help, Version };

// A change to one control of the form, made in command-line order.
using FormEdit = std::function<void(IForm& form)>;

struct Request {
    Action action = Action::None;
    QString pdfPath;
    std::optional<QString> printer;
    QString settingsFile;
    std::vector<FormEdit> edits;
    bool sheetOptions = false;
};

struct UsageError {
    QString text;
};

QStringList splitValues(const QString& option, const QString& value, int count, const char* shape) {
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != count)
        throw UsageError{
            QStringLiteral("%1 takes %2, not \"%3\"").arg(option, QLatin1String(shape), value)};
    return parts;
}

FormEdit setText(const char* control, const QString& value) {
    return [control, value](IForm& form) { form.setText(control, value); };
}

FormEdit parseSheetOption(const QString& option, const QString& value) {
    if (option == QLatin1String("--paper")) {
        const PaperSize* paper = paperByName(value);
        if (!paper)
            throw UsageError{
                QStringLiteral("--paper takes A3, A4, A5, B4 or B5, not \"%1\"").arg(value)};
        const char* control = paper->option;
        return [control](IForm& form) { form.setChecked(control, true); };
    }
    if (option == QLatin1String("--margins")) {
        const QStringList parts = splitValues(option, value, 4, "TOP,BOTTOM,LEFT,RIGHT");
        return [parts](IForm& form) {
            form.setText(ctl::txtSpaceSizeUp, parts[0]);
            form.setText(ctl::txtSpaceSizeDown, parts[1]);
            form.setText(ctl::txtSpaceSizeLeft, parts[2]);
            form.setText(ctl::txtSpaceSizeRight, parts[3]);
        };
    }
    if (option == QLatin1String("--offset")) {
        const QStringList parts = splitValues(option, value, 2, "X,Y");
        return [parts](IForm& form) {
            form.setText(ctl::txtPrinterGosaX, parts[0]);
            form.setText(ctl::txtPrinterGosaY, parts[1]);
        };
    }
    if (option == QLatin1String("--blocks"))
        return setText(ctl::txtDaifuhyoCnt, value);
    if (option == QLatin1String("--block-gap"))
        return setText(ctl::txtDaifuhyoInterval, value);
    if (option == QLatin1String("--staves"))
        return setText(ctl::txtTavriDansu, value);
    if (option == QLatin1String("--spacing"))
        return setText(ctl::txtLineInterval, value);
    if (option == QLatin1String("--copies"))
        return setText(ctl::txtPrintCount, value);
    if (option == QLatin1String("--lines")) {
        static const char* const options[] = {ctl::opt2, ctl::opt3, ctl::opt4, ctl::opt5,
                                              ctl::opt6};
        for (int n = 2; n <= 6; ++n) {
            if (value == QString::number(n)) {
                const char* control = options[n - 2];
                return [control](IForm& form) { form.setChecked(control, true); };
            }
        }
        throw UsageError{QStringLiteral("--lines takes 2, 3, 4, 5 or 6, not \"%1\"").arg(value)};
    }
    if (option == QLatin1String("--weight")) {
        static const struct {
            const char* name;
            const char* caption;
        } weights[] = {{"thin", "細め"}, {"normal", "普通"}, {"thick", "太め"}};
        for (const auto& w : weights) {
            if (value == QLatin1String(w.name) || value == QString::fromUtf8(w.caption)) {
                const QString caption = QString::fromUtf8(w.caption);
                return [caption](IForm& form) { form.selectText(ctl::lstLineWeight, caption); };
            }
        }
        throw UsageError{
            QStringLiteral("--weight takes thin, normal or thick, not \"%1\"").arg(value)};
    }
    if (option == QLatin1String("--shade")) {
        // The darkness is a scroll bar: whole steps from 0 to 255 only.
        const bool numeric = num::isNumeric(value);
        const double shade = numeric ? num::toDouble(value) : -1;
        if (!numeric || shade < 0 || shade > 255 || shade != std::floor(shade))
            throw UsageError{
                QStringLiteral("--shade takes a whole number from 0 to 255, not \"%1\"")
                    .arg(value)};
        const int level = int(shade);
        return [level](IForm& form) { form.setValue(ctl::sbrPrintShade, level); };
    }
    return {};
}

bool takesValue(const QString& option) {
    static const QStringList withValue = {
        QStringLiteral("--export-pdf"), QStringLiteral("--printer"), QStringLiteral("--paper"),
        QStringLiteral("--margins"),    QStringLiteral("--blocks"),  QStringLiteral("--block-gap"),
        QStringLiteral("--staves"),     QStringLiteral("--lines"),   QStringLiteral("--spacing"),
        QStringLiteral("--weight"),     QStringLiteral("--shade"),   QStringLiteral("--offset"),
        QStringLiteral("--copies"),
    };
    return withValue.contains(option);
}

void setAction(Request& request, Action action, const QString& option) {
    if (request.action != Action::None && request.action != action)
        throw UsageError{QStringLiteral("%1 cannot be combined with another action").arg(option)};
    request.action = action;
}

Request parseArguments(const QStringList& args) {
    Request request;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (optionsEnded || !arg.startsWith(QLatin1String("--"))) {
            if (!request.settingsFile.isEmpty())
                throw UsageError{
                    QStringLiteral("only one settings file may be given, not also \"%1\"")
                        .arg(arg)};
            request.settingsFile = arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }

        QString option = arg;
        std::optional<QString> value;
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        if (equals > 0) {
            option = arg.left(equals);
            value = arg.mid(equals + 1);
        }
        if (takesValue(option)) {
            if (!value) {
                if (i + 1 >= args.size())
                    throw UsageError{QStringLiteral("%1 needs a value").arg(option)};
                value = args.at(++i);
            }
        } else if (value) {
            throw UsageError{QStringLiteral("%1 takes no value").arg(option)};
        }

        if (option == QLatin1String("--help")) {
            setAction(request, Action::Help, option);
        } else if (option == QLatin1String("--version")) {
            setAction(request, Action::Version, option);
        } else if (option == QLatin1String("--list-printers")) {
            setAction(request, Action::ListPrinters, option);
        } else if (option == QLatin1String("--print")) {
            setAction(request, Action::Print, option);
        } else if (option == QLatin1String("--export-pdf")) {
            setAction(request, Action::ExportPdf, option);
            if (value->isEmpty())
                throw UsageError{QStringLiteral("--export-pdf needs a file name")};
            request.pdfPath = *value;
        } else if (option == QLatin1String("--printer")) {
            request.printer = *value;
        } else if (option == QLatin1String("--landscape")) {
            request.edits.push_back(
                [](IForm& form) { form.setChecked(ctl::chkPrintDirectionYoko, true); });
            request.sheetOptions = true;
        } else if (FormEdit edit = parseSheetOption(option, value.value_or(QString()))) {
            request.edits.push_back(std::move(edit));
            request.sheetOptions = true;
        } else {
            throw UsageError{QStringLiteral("unknown option %1").arg(option)};
        }
    }

    switch (request.action) {
    case Action::None:
        throw UsageError{QStringLiteral("nothing to do: give --export-pdf, --print or "
                                        "--list-printers")};
    case Action::Help:
    case Action::Version:
        return request;
    case Action::ListPrinters:
        if (request.sheetOptions || request.printer || !request.settingsFile.isEmpty())
            throw UsageError{QStringLiteral("--list-printers takes no other option")};
        return request;
    case Action::ExportPdf:
        if (request.printer)
            throw UsageError{QStringLiteral("--printer only goes with --print")};
        break;
    case Action::Print:
        break;
    }
    if (!request.settingsFile.isEmpty() && !settingsFileReader())
        throw UsageError{QStringLiteral("settings files cannot be read by this version yet: %1")
                             .arg(request.settingsFile)};
    return request;
}

void writeTo(std::FILE* out, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), out);
    std::fflush(out);
}

// Batch work has no window: Qt's own notes about the desktop session (no
// runtime folder, no display) would only clutter the messages on standard
// error. Critical and fatal reports still get through.
void quietQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        writeTo(stderr, qFormatLogMessage(type, context, text) + QLatin1Char('\n'));
        if (type == QtFatalMsg)
            std::abort();
    }
}

// Qt's PDF writer takes a compression buffer of several megabytes for every
// page and frees it again. By default the C library hands such a block back
// to the system at once and faults it in anew for the next page, which costs
// more than drawing the page; a batch run keeps it instead.
void keepLargeBlocks() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
#endif
}

// Batch work needs no display: Qt's offscreen platform unless the caller
// chose another one.
void chooseBatchPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int listPrinters() {
    QtPrinterList printers;
    const QString standard = QtPrinterList::systemDefaultPrinter();
    const QStringList names = printers.printerNames();
    for (const QString& name : names)
        writeTo(stdout, name + (name == standard ? QStringLiteral(" (default)") : QString()) +
                            QLatin1Char('\n'));
    if (names.isEmpty())
        writeTo(stderr, QStringLiteral("pernoa: no printer is installed\n"));
    return 0;
}

int runSheet(const Request& request) {
    HeadlessForm form;
    ConsoleMessages messages;
    TavriEngine engine(form, messages);
    engine.InitStartValues();
    // The window's change handlers: the copy-count guard and the darkness label.
    form.onChanged = [&engine](const QString& control) {
        if (control == QLatin1String(ctl::txtPrintCount))
            engine.txtPrintCountChanged();
        else if (control == QLatin1String(ctl::sbrPrintShade))
            engine.sbrPrintShadeChanged();
    };

    if (!request.settingsFile.isEmpty()) {
        if (!settingsFileReader()(request.settingsFile, engine))
            return 1;
    }
    for (const FormEdit& edit : request.edits)
        edit(form);
    engine.ApplyPaperSize();
    if (messages.errorsShown() > 0)
        return 1;

    QtPrinterList printers;
    if (request.printer) {
        if (!printers.printerNames().contains(*request.printer)) {
            writeTo(stderr, QStringLiteral("pernoa: no installed printer is named \"%1\"\n")
                                .arg(*request.printer));
            return 1;
        }
        printers.setCurrentPrinter(*request.printer);
    }
    std::unique_ptr<QtPrinter> printer = request.action == Action::ExportPdf
                                             ? std::make_unique<QtPrinter>(request.pdfPath)
                                             : std::make_unique<QtPrinter>(printers);
    engine.setPrinter(printer.get());
    engine.cmdPrintClick();
    if (messages.errorsShown() > 0)
        return 1;
    if (printer->jobsDelivered() == 0) {
        // Only possible when the copy count rounds to 0: the window then just
        // redraws its preview, but a batch run that produced nothing must not
        // look like success.
        writeTo(stderr, QStringLiteral("pernoa: the copy count rounds to 0, nothing was %1\n")
                            .arg(request.action == Action::ExportPdf ? QStringLiteral("written")
                                                                     : QStringLiteral("printed")));
        return 1;
    }
    return 0;
}

} // namespace

bool isBatchInvocation(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--", 2) == 0)
            return true;
    return false;
}

int runBatch(int argc, char* argv[]) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    Request request;
    try {
        request = parseArguments(args);
    } catch (const UsageError& error) {
        writeTo(stderr, QStringLiteral("pernoa: %1\nTry 'pernoa --help' for more information.\n")
                            .arg(error.text));
        return 2;
    }
    if (request.action == Action::Help) {
        writeTo(stdout, QString::fromUtf8(kUsage));
        return 0;
    }
    if (request.action == Action::Version) {
        writeTo(stdout, QStringLiteral("pernoa %1\n").arg(QLatin1String(VersionText)));
        return 0;
    }

    chooseBatchPlatform();
    keepLargeBlocks();
    qInstallMessageHandler(quietQtMessages);
    // Qt gets only the program name: the batch options are not its own.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QGuiApplication app(qtArgc, qtArgv);

    if (request.action == Action::ListPrinters)
        return listPrinters();
    return runSheet(request);
}

} // namespace pernoa::cli
