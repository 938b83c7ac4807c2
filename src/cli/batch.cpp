#include "cli/batch.h"

#include "cli/consolemessages.h"
#include "cli/consoleprogress.h"
#include "cli/texts.h"
#include "engine/calibrationsheet.h"
#include "engine/controls.h"
#include "engine/headlessform.h"
#include "engine/language.h"
#include "engine/musicsettings.h"
#include "engine/numberrules.h"
#include "engine/papersizes.h"
#include "engine/tavriengine.h"
#include "engine/texts.h"
#include "engine/version.h"
#include "files/defaultsettings.h"
#include "files/formatwords.h"
#include "files/settingsfile.h"
#include "output/fontconfiguration.h"
#include "output/musicfont.h"
#include "output/qtprinter.h"
#include "output/texts.h"
#include "overlay/overlayitems.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QString>
#include <QStringList>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <csignal>
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

// The word of --paper for a paper of the user's size: the value's name in
// the help, a word of the command line's format.
const QString kCustomPaperWord = QStringLiteral("WIDTHxHEIGHT");

// The usage text with the papers of the paper table.
QString usageText() {
    // The descriptions start in one column, as in the rest of the list.
    constexpr qsizetype kDescriptionColumn = 36;
    QString paper = QStringLiteral("  --paper ") + paperNames().join(u'|');
    paper += QStringLiteral("|\n    ") + kCustomPaperWord;
    const qsizetype lineStart = paper.lastIndexOf(u'\n') + 1;
    paper += QString(qMax<qsizetype>(2, kDescriptionColumn - (paper.size() - lineStart)), u' ');
    paper += texts::paperHelp(QLatin1String(defaultPaper().name), num::toText(kCustomPaperMinMm),
                              num::toText(kCustomPaperMaxMm));
    return texts::usage(paper, pernoa::texts::catchAllError());
}

// "A3|A4|A5|B4|B5|letter|legal|tabloid|WIDTHxHEIGHT", the value of --paper.
const char* paperValueName() {
    static const QByteArray names = (paperNames().join(u'|') + u'|' + kCustomPaperWord).toLatin1();
    return names.constData();
}

// "A3, A4, A5, B4 or B5".
QString choiceOf(const QStringList& words) {
    if (words.size() < 2)
        return words.join(QString());
    return texts::choiceOr(words.mid(0, words.size() - 1).join(texts::choiceSeparator()),
                           words.last());
}

enum class Action {
    None,
    ExportPdf,
    ExportSvg,
    ExportPng,
    Print,
    SaveSettings,
    ListPrinters,
    Help,
    Version
};

// A change to one control of the form, made in command-line order.
using FormEdit = std::function<void(IForm& form)>;

struct Request {
    Action action = Action::None;
    // Applied before every other sheet option, wherever it stands.
    std::optional<MusicPreset> preset;
    // Applied after the other sheet options, unless a later --spacing
    // overrides it.
    std::optional<std::int32_t> rastral;
    QString pdfPath;     // the file of --export-pdf, --export-svg or --export-png
    QString settingsOut; // --save-settings
    std::optional<int> dpi;
    bool scale = false;  // --scale given
    bool copies = false; // --copies given
    std::optional<QString> printer;
    QString settingsFile;
    std::vector<FormEdit> edits;
    bool sheetOptions = false;
    bool calibrationSheet = false;
    bool verbose = false;
};

struct UsageError {
    QString text;
};

FormEdit setText(const char* control, const QString& value) {
    return [control, value](IForm& form) { form.setText(control, value); };
}

FormEdit check(const QString& control) {
    return [control](IForm& form) { form.setChecked(control, true); };
}

// One option of the command line: its name without the dashes, the name of
// its value as the usage text shows it (nullptr for a switch), the action it
// asks for, and how its value becomes a change to the form (sheet options).
struct OptionRow {
    const char* name;
    const char* valueName;
    Action action;
    FormEdit (*edit)(const QString& option, const QString& value, const char* valueName);
};

// A list of numbers separated by commas, as many as valueName has names.
QStringList splitValues(const QString& option, const QString& value, const char* valueName) {
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != QByteArray(valueName).count(',') + 1)
        throw UsageError{texts::takesValues(option, QLatin1String(valueName), quotedValue(value))};
    return parts;
}

FormEdit paperEdit(const QString&, const QString& value, const char*) {
    const PaperSize* paper = paperByName(value);
    if (paper && paper->kind != PaperKind::Custom)
        return check(QString::fromLatin1(paper->option));
    // A size of the user's: two numbers in mm joined by an x.
    const QStringList sides = value.split(u'x');
    if (sides.size() != 2 || !num::isNumeric(sides[0]) || !num::isNumeric(sides[1]))
        throw UsageError{
            texts::paperTakes(choiceOf(paperNames() << kCustomPaperWord), quotedValue(value))};
    if (!isCustomPaperSide(num::toDouble(sides[0])) || !isCustomPaperSide(num::toDouble(sides[1])))
        throw UsageError{texts::paperSidesTake(num::toText(kCustomPaperMinMm),
                                               num::toText(kCustomPaperMaxMm), quotedValue(value))};
    return [sides](IForm& form) {
        form.setText(ctl::txtNiniHaba, sides[0]);
        form.setText(ctl::txtNiniTakasa, sides[1]);
        form.setChecked(ctl::optNini, true);
    };
}

FormEdit scaleEdit(const QString& option, const QString& value, const char* valueName) {
    const QStringList parts = splitValues(option, value, valueName);
    for (const QString& part : parts)
        if (!num::isNumeric(part) || num::toDouble(part) < kScaleCorrectionMin ||
            num::toDouble(part) > kScaleCorrectionMax)
            throw UsageError{texts::scaleTakes(num::toTenthsText(kScaleCorrectionMin),
                                               num::toTenthsText(kScaleCorrectionMax),
                                               quotedValue(value))};
    return [parts](IForm& form) {
        form.setText(ctl::txtPrinterBairituX, parts[0]);
        form.setText(ctl::txtPrinterBairituY, parts[1]);
    };
}

FormEdit linesEdit(const QString&, const QString& value, const char*) {
    const QStringList options = lineCountOptions();
    for (qsizetype i = 0; i < options.size(); ++i)
        if (value == num::toText(i + 2))
            return check(options[i]);
    throw UsageError{texts::linesTake(quotedValue(value))};
}

FormEdit weightEdit(const QString&, const QString& value, const char*) {
    // The list's entries thin to thick, by name or by the word of the
    // settings file (細め, 普通, 太め), whatever the list shows.
    static const char* const names[] = {"thin", "normal", "thick"};
    const QStringList captions = lineWeightCaptions();
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (value == QLatin1String(names[i]) || value == kLineWeightWords[i]) {
            const QString caption = captions[i];
            return [caption](IForm& form) { form.selectText(ctl::lstLineWeight, caption); };
        }
    }
    throw UsageError{texts::weightTakes(quotedValue(value))};
}

FormEdit shadeEdit(const QString&, const QString& value, const char*) {
    // The darkness is a scroll bar: whole steps from 0 to 255 only.
    const bool numeric = num::isNumeric(value);
    const double shade = numeric ? num::toDouble(value) : -1;
    if (!numeric || shade < 0 || shade > 255 || shade != std::floor(shade))
        throw UsageError{texts::shadeTakes(quotedValue(value))};
    const int level = int(shade);
    return [level](IForm& form) { form.setValue(ctl::sbrPrintShade, level); };
}

// "a, b or c" of a table's words.
template <typename Table> QStringList wordsOf(const Table& table) {
    QStringList words;
    for (const auto& row : table)
        words << QString::fromLatin1(row.word);
    return words;
}

FormEdit stackEdit(const QString&, const QString& value, const char*) {
    // The form of the rows and the clef words are the command line's; the
    // line counts and spacings are values the window's check judges.
    const auto rows = splitStackText(value);
    if (!rows || rows->empty())
        throw UsageError{texts::stackTakesRows(quotedValue(value))};
    for (const StackRowText& row : *rows)
        if (!clefByWord(row.clef))
            throw UsageError{
                texts::stackClefTakes(choiceOf(wordsOf(clefTable())), quotedValue(row.clef))};
    return setText(ctl::txtFuhyoNarabi, value);
}

FormEdit barsThroughEdit(const QString&, const QString& value, const char*) {
    if (value == QLatin1String("block"))
        return check(QString::fromLatin1(ctl::optShosetsuTsuranuku));
    if (value == QLatin1String("staff"))
        return check(QString::fromLatin1(ctl::optShosetsuFuhyogoto));
    throw UsageError{texts::takesValues(
        QStringLiteral("--bars-through"),
        choiceOf({QStringLiteral("block"), QStringLiteral("staff")}), quotedValue(value))};
}

const OptionRow kOptions[] = {
    {"export-pdf", "OUT.pdf", Action::ExportPdf, nullptr},
    {"export-svg", "OUT.svg", Action::ExportSvg, nullptr},
    {"export-png", "OUT.png", Action::ExportPng, nullptr},
    {"dpi", "N", Action::None, nullptr},
    {"print", nullptr, Action::Print, nullptr},
    {"save-settings", "OUT.kvs2", Action::SaveSettings, nullptr},
    {"printer", "NAME", Action::None, nullptr},
    {"list-printers", nullptr, Action::ListPrinters, nullptr},
    {"help", nullptr, Action::Help, nullptr},
    {"version", nullptr, Action::Version, nullptr},
    {"calibration-sheet", nullptr, Action::None, nullptr},
    {"verbose", nullptr, Action::None, nullptr},
    {"paper", paperValueName(), Action::None, paperEdit},
    {"landscape", nullptr, Action::None,
     [](const QString&, const QString&, const char*) {
         return check(QString::fromLatin1(ctl::chkPrintDirectionYoko));
     }},
    {"margins", "TOP,BOTTOM,LEFT,RIGHT", Action::None,
     [](const QString& option, const QString& value, const char* valueName) -> FormEdit {
         const QStringList parts = splitValues(option, value, valueName);
         return [parts](IForm& form) {
             form.setText(ctl::txtSpaceSizeUp, parts[0]);
             form.setText(ctl::txtSpaceSizeDown, parts[1]);
             form.setText(ctl::txtSpaceSizeLeft, parts[2]);
             form.setText(ctl::txtSpaceSizeRight, parts[3]);
         };
     }},
    {"blocks", "N", Action::None,
     [](const QString&, const QString& value, const char*) {
         return setText(ctl::txtDaifuhyoCnt, value);
     }},
    {"block-gap", "MM", Action::None,
     [](const QString&, const QString& value, const char*) {
         return setText(ctl::txtDaifuhyoInterval, value);
     }},
    {"staves", "N", Action::None,
     [](const QString&, const QString& value, const char*) {
         return setText(ctl::txtTavriDansu, value);
     }},
    {"lines", "2..6", Action::None, linesEdit},
    {"spacing", "MM", Action::None,
     [](const QString&, const QString& value, const char*) {
         return setText(ctl::txtLineInterval, value);
     }},
    {"weight", "thin|normal|thick", Action::None, weightEdit},
    {"shade", "0..255", Action::None, shadeEdit},
    {"offset", "X,Y", Action::None,
     [](const QString& option, const QString& value, const char* valueName) -> FormEdit {
         const QStringList parts = splitValues(option, value, valueName);
         return [parts](IForm& form) {
             form.setText(ctl::txtPrinterGosaX, parts[0]);
             form.setText(ctl::txtPrinterGosaY, parts[1]);
         };
     }},
    {"scale", "X,Y", Action::None, scaleEdit},
    {"copies", "N", Action::None,
     [](const QString&, const QString& value, const char*) {
         return setText(ctl::txtPrintCount, value);
     }},
    // The preset and the rastral are taken apart (see Request).
    {"preset", "piano|guitar-tab|satb|percussion|plain", Action::None, nullptr},
    {"stack", "ROWS", Action::None, stackEdit},
    {"brace", nullptr, Action::None,
     [](const QString&, const QString&, const char*) {
         return check(QString::fromLatin1(ctl::optKukuriBrace));
     }},
    {"bracket", nullptr, Action::None,
     [](const QString&, const QString&, const char*) {
         return check(QString::fromLatin1(ctl::optKukuriBracket));
     }},
    {"bars", "N", Action::None,
     [](const QString&, const QString& value, const char*) {
         return setText(ctl::txtShosetsuSu, value);
     }},
    {"bars-through", "block|staff", Action::None, barsThroughEdit},
    {"rastral", "0..8", Action::None, nullptr},
};

const OptionRow* optionRow(const QString& name) {
    for (const OptionRow& o : kOptions)
        if (name == QLatin1String(o.name))
            return &o;
    return nullptr;
}

// The words of the command line as this program reads them, checked against
// the declared options before Qt's parser sees them: only a word starting
// with "--" is an option, besides the short -h and -V (any other word, "-x"
// included, is the settings file), and a malformed option is reported in this
// program's own words.
struct Words {
    QStringList forParser;      // the options as --name=value, then "--" and the rest
    QStringList optionsInOrder; // option names, once per occurrence
};

Words checkWords(const QStringList& args) {
    Words words;
    QStringList rest;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString arg = args.at(i);
        if (!optionsEnded && arg == QLatin1String("-h"))
            arg = QStringLiteral("--help");
        else if (!optionsEnded && arg == QLatin1String("-V"))
            arg = QStringLiteral("--version");
        if (optionsEnded || !arg.startsWith(QLatin1String("--"))) {
            rest << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        const QString option = equals > 0 ? arg.left(equals) : arg;
        std::optional<QString> value;
        if (equals > 0)
            value = arg.mid(equals + 1);
        const OptionRow* declared = optionRow(option.mid(2));
        if (declared && declared->valueName) {
            if (!value) {
                if (i + 1 >= args.size())
                    throw UsageError{texts::needsValue(quotedValue(option))};
                value = args.at(++i);
            }
        } else if (value) {
            throw UsageError{texts::takesNoValue(quotedValue(option))};
        }
        if (!declared)
            throw UsageError{texts::unknownOption(quotedValue(option))};
        words.forParser << (value ? option + QLatin1Char('=') + *value : option);
        words.optionsInOrder << QString::fromLatin1(declared->name);
    }
    words.forParser << QStringLiteral("--") << rest;
    return words;
}

Request parseArguments(const QStringList& args) {
    const Words words = checkWords(args);
    QCommandLineParser parser;
    for (const OptionRow& o : kOptions)
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(o.name), QString(),
                               o.valueName ? QString::fromLatin1(o.valueName) : QString()));
    if (!parser.parse(QStringList{QStringLiteral("pernoa")} + words.forParser))
        throw UsageError{parser.errorText()};

    // In command-line order, so that the first fault on the line is the one
    // reported and later values win.
    Request request;
    QHash<QString, qsizetype> occurrence;
    for (const QString& name : words.optionsInOrder) {
        const OptionRow& declared = *optionRow(name);
        const QString option = QStringLiteral("--") + name;
        const QString value =
            declared.valueName ? parser.values(name).at(occurrence[name]++) : QString();
        if (declared.action != Action::None) {
            if (request.action != Action::None && request.action != declared.action)
                throw UsageError{texts::cannotBeCombined(option)};
            request.action = declared.action;
        }
        if (declared.action == Action::ExportPdf || declared.action == Action::ExportSvg ||
            declared.action == Action::ExportPng) {
            if (value.isEmpty())
                throw UsageError{texts::exportNeedsFileName(option)};
            // Only a PDF is written as it is made; a picture is written whole.
            if (declared.action != Action::ExportPdf && value == QLatin1String("-"))
                throw UsageError{texts::writesFileNotStandardOutput(option)};
            request.pdfPath = value;
        } else if (name == QLatin1String("dpi")) {
            const bool numeric = num::isNumeric(value);
            const double dpi = numeric ? num::toDouble(value) : 0;
            if (!numeric || dpi != std::floor(dpi) || dpi < output::kMinPngDpi ||
                dpi > output::kMaxPngDpi)
                throw UsageError{texts::dpiTakes(num::toText(output::kMinPngDpi),
                                                 num::toText(output::kMaxPngDpi),
                                                 quotedValue(value))};
            request.dpi = int(dpi);
        } else if (declared.action == Action::SaveSettings) {
            if (value.isEmpty())
                throw UsageError{texts::saveNeedsFileName()};
            request.settingsOut = value;
        } else if (name == QLatin1String("printer")) {
            request.printer = value;
        } else if (name == QLatin1String("calibration-sheet")) {
            request.calibrationSheet = true;
        } else if (name == QLatin1String("verbose")) {
            request.verbose = true;
        } else if (name == QLatin1String("preset")) {
            request.preset.reset();
            for (const MusicPresetEntry& entry : musicPresets())
                if (value == QLatin1String(entry.word))
                    request.preset = entry.preset;
            if (!request.preset)
                throw UsageError{texts::takesValues(QStringLiteral("--preset"),
                                                    choiceOf(wordsOf(musicPresets())),
                                                    quotedValue(value))};
            request.sheetOptions = true;
        } else if (name == QLatin1String("rastral")) {
            request.rastral.reset();
            for (const RastralSize& size : rastralSizes())
                if (value == num::toText(size.number))
                    request.rastral = size.number;
            if (!request.rastral)
                throw UsageError{texts::rastralTakes(num::toText(kMinRastral),
                                                     num::toText(kMaxRastral), quotedValue(value))};
            request.sheetOptions = true;
        } else if (name == QLatin1String("spacing") && request.rastral) {
            // A spacing after the rastral is the one that counts.
            request.rastral.reset();
            request.edits.push_back(declared.edit(option, value, declared.valueName));
        } else if (declared.edit) {
            request.edits.push_back(declared.edit(option, value, declared.valueName));
            request.sheetOptions = true;
            request.scale = request.scale || name == QLatin1String("scale");
            request.copies = request.copies || name == QLatin1String("copies");
        }
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        throw UsageError{texts::onlyOneSettingsFile(quotedValue(files[1]))};
    // An empty word names no file: it is not the same as giving none.
    if (!files.isEmpty() && files[0].isEmpty())
        throw UsageError{texts::settingsFileNameEmpty()};
    request.settingsFile = files.value(0);

    switch (request.action) {
    case Action::None:
        throw UsageError{texts::nothingToDo()};
    case Action::Help:
    case Action::Version:
        return request;
    case Action::ListPrinters:
        if (request.sheetOptions || request.printer || !request.settingsFile.isEmpty() ||
            request.calibrationSheet || request.dpi)
            throw UsageError{texts::listPrintersAlone()};
        return request;
    case Action::ExportPdf:
    case Action::ExportSvg:
    case Action::ExportPng:
    case Action::SaveSettings:
        if (request.printer)
            throw UsageError{texts::printerOnlyWithPrint()};
        if (request.scale)
            throw UsageError{texts::scaleOnlyWithPrint()};
        if (request.action != Action::ExportPdf && request.calibrationSheet)
            throw UsageError{texts::calibrationOnlyWithOutput()};
        if ((request.action == Action::ExportSvg || request.action == Action::ExportPng) &&
            request.copies)
            throw UsageError{texts::copiesNotWithPicture(request.action == Action::ExportSvg
                                                             ? QStringLiteral("--export-svg")
                                                             : QStringLiteral("--export-png"))};
        break;
    case Action::Print:
        break;
    }
    if (request.dpi && request.action != Action::ExportPng)
        throw UsageError{texts::dpiOnlyWithPng()};
    return request;
}

// False when the text did not reach the file (a full disk, a closed pipe).
bool writeTo(std::FILE* out, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const std::size_t written = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), out);
    const bool flushed = std::fflush(out) == 0;
    return written == std::size_t(bytes.size()) && flushed && !std::ferror(out);
}

// The text and a line break.
bool writeLine(std::FILE* out, const QString& text) {
    return writeTo(out, text + QLatin1Char('\n'));
}

// The exit status of a run whose answer goes to standard output: a help text
// or a list that never arrived is not success.
int answer(const QString& text) {
    if (writeTo(stdout, text))
        return 0;
    const int error = errno;
    writeLine(stderr,
              texts::cannotWriteStandardOutput(QString::fromLocal8Bit(std::strerror(error))));
    return 1;
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
    if (names.isEmpty()) {
        // An empty list is an answer only from a scheduler that is running.
        if (!QtPrinterList::schedulerRunning()) {
            writeLine(stderr, texts::line(output::texts::noScheduler()));
            return 1;
        }
        writeLine(stderr, texts::line(output::texts::noPrinterInstalled()));
        return 0;
    }
    QString list;
    for (const QString& name : names)
        list += (name == standard ? texts::defaultPrinter(name) : name) + QLatin1Char('\n');
    return answer(list);
}

int runSheet(const Request& request) {
    HeadlessForm form;
    ConsoleMessages messages;
    TavriEngine engine(form, messages);
    engine.initStartValues();
    // The window's change handlers: the copy-count guard and the darkness label.
    bool countRefused = false;
    form.onChanged = [&engine, &countRefused](const QString& control) {
        if (control == QLatin1String(ctl::txtPrintCount)) {
            if (!engine.txtPrintCountChanged().isDone())
                countRefused = true;
        } else if (control == QLatin1String(ctl::sbrPrintShade)) {
            engine.sbrPrintShadeChanged();
        }
    };

    // The page's items, without a display: they reach the printer or PDF only.
    overlay::OverlayItems items(engine.settings(), messages);
    engine.setOverlayOutput(&items);
    // Clefs and braces, looked for when a page first needs them.
    output::MusicFont musicFont;
    engine.setMusicFont(&musicFont);
    SettingsFile file(engine, items);

    // Printing corrects by the offsets the windows keep, as the windows do;
    // an export is the page itself unless --offset asks otherwise.
    if (request.action == Action::Print)
        LoadDefaultSettei(form, DefaultSetteiPath(QCoreApplication::applicationDirPath()));
    // A file that does not load completely has shown why; nothing is made
    // from the part of it that did.
    if (!request.settingsFile.isEmpty() && !file.loadSections(request.settingsFile))
        return 1;
    auto applyOptions = [&] {
        for (const FormEdit& edit : request.edits)
            edit(form);
        engine.ApplyPaperSize();
        return !request.rastral || engine.applyRastral(*request.rastral).isDone();
    };
    // A preset fills its fields for the page the other options describe,
    // then they override what it filled.
    if (!applyOptions())
        return 1;
    if (request.preset && (!engine.applyPreset(*request.preset).isDone() || !applyOptions()))
        return 1;
    // The guard has said why and put the count back: nothing is made of it.
    if (countRefused)
        return 1;
    // A page without text items draws no text in the system's fonts: the
    // system's font configuration need not be read at all.
    if (items.count(overlay::ItemKind::Text) == 0 && !request.calibrationSheet)
        output::startWithoutSystemFonts();

    if (request.action == Action::SaveSettings)
        return file.SaveSetteiFile(request.settingsOut) ? 0 : 1;

    QtPrinterList printers;
    if (request.printer) {
        if (!printers.printerNames().contains(*request.printer)) {
            writeLine(stderr, texts::noPrinterNamed(quotedValue(*request.printer)));
            return 1;
        }
        printers.setCurrentPrinter(*request.printer);
    }
    const bool exporting = request.action == Action::ExportPdf ||
                           request.action == Action::ExportSvg ||
                           request.action == Action::ExportPng;
    const bool toStdout =
        request.action == Action::ExportPdf && request.pdfPath == QLatin1String("-");
    QFile standardOutput;
    if (toStdout) {
        if (isatty(STDOUT_FILENO)) {
            writeLine(stderr, texts::standardOutputIsTerminal());
            return 1;
        }
        standardOutput.open(stdout, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
    }
    const output::FileFormat format = request.action == Action::ExportSvg ? output::FileFormat::Svg
                                      : request.action == Action::ExportPng
                                          ? output::FileFormat::Png
                                          : output::FileFormat::Pdf;
    std::unique_ptr<QtPrinter> printer = toStdout ? std::make_unique<QtPrinter>(standardOutput)
                                         : exporting
                                             ? std::make_unique<QtPrinter>(request.pdfPath, format)
                                             : std::make_unique<QtPrinter>(printers);
    printer->setPngResolution(request.dpi.value_or(output::kDefaultPngDpi));
    engine.setPrinter(printer.get());
    // The printer's confirmation belongs to printing: an export that worked
    // says nothing.
    messages.setQuietInformation(exporting);
    // How far a long job got, on standard error when that is a terminal.
    ConsoleProgress progress;
    engine.setProgress(&progress);
    const Outcome outcome =
        request.calibrationSheet ? drawCalibrationSheet(engine) : engine.cmdPrintClick();
    // Refused or failed: the messages have said why.
    if (!outcome.isDone())
        return 1;
    // The page went out as laid out; what is odd about it is only told.
    for (const QString& warning : staffWarningTexts(engine.lastWarnings()))
        writeLine(stderr, texts::warning(warning));
    if (outcome.copies() == 0) {
        // Only possible when the copy count rounds to 0: the window then just
        // redraws its preview, but a batch run that produced nothing must not
        // look like success.
        writeLine(stderr, exporting ? texts::copiesRoundToZeroNothingWritten()
                                    : texts::copiesRoundToZeroNothingPrinted());
        return 1;
    }
    if (exporting && request.verbose) {
        const int pages = printer->lastJobPages();
        const QString count = num::toText(pages);
        writeLine(stderr, toStdout ? (pages == 1 ? texts::wroteStandardOutputOnePage()
                                                 : texts::wroteStandardOutputPages(count))
                          : pages == 1
                              ? texts::wroteFileOnePage(visibleText(request.pdfPath))
                              : texts::wroteFilePages(visibleText(request.pdfPath), count));
    }
    return 0;
}

} // namespace

LanguageOption takeLanguageOption(int& argc, char* argv[]) {
    LanguageOption option;
    int kept = 1;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char* word = argv[i];
        if (optionsEnded || std::strncmp(word, "--lang", 6) != 0 ||
            (word[6] != '\0' && word[6] != '=')) {
            optionsEnded = optionsEnded || std::strcmp(word, "--") == 0;
            argv[kept++] = argv[i];
            continue;
        }
        QString value;
        if (word[6] == '=') {
            value = QString::fromLocal8Bit(word + 7);
        } else if (i + 1 < argc) {
            value = QString::fromLocal8Bit(argv[++i]);
        } else {
            option.error = texts::needsValue(QStringLiteral("--lang"));
            continue;
        }
        option.asked = languageNamed(value);
        if (!option.asked && !option.error)
            option.error = texts::langTakes(quotedValue(value));
    }
    argc = kept;
    argv[argc] = nullptr;
    return option;
}

bool isBatchInvocation(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--", 2) == 0 || std::strcmp(argv[i], "-h") == 0 ||
            std::strcmp(argv[i], "-V") == 0)
            return true;
    return false;
}

int reportUsageError(const QString& error, Language language) {
    int coreArgc = 1;
    char name[] = "pernoa";
    char* coreArgv[] = {name, nullptr};
    const QCoreApplication words(coreArgc, coreArgv);
    useLanguage(language, QtTexts::AsTheyAre);
    writeLine(stderr, texts::usageError(visibleText(error)));
    return 2;
}

int runBatch(int argc, char* argv[], Language language) {
    // A reader of standard output that goes away (`| head`) makes the next
    // write fail with the reason, which the run reports, instead of ending the
    // program without a word.
    std::signal(SIGPIPE, SIG_IGN);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    // Qt gets only the program name: the batch options are not its own.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    Request request;
    {
        // The help and the usage errors need no display, only the language,
        // which needs an application: a plain one, gone before the batch
        // work's own.
        const QCoreApplication words(qtArgc, qtArgv);
        useLanguage(language, QtTexts::AsTheyAre);
        try {
            request = parseArguments(args);
        } catch (const UsageError& error) {
            writeLine(stderr, texts::usageError(visibleText(error.text)));
            return 2;
        }
        if (request.action == Action::Help)
            return answer(usageText());
        if (request.action == Action::Version)
            return answer(texts::version(QLatin1String(kVersionText)) + QLatin1Char('\n'));
    }

    chooseBatchPlatform();
    keepLargeBlocks();
    qInstallMessageHandler(quietQtMessages);
    QGuiApplication app(qtArgc, qtArgv);
    // The windows' configuration folder (the saved printer offsets).
    QCoreApplication::setApplicationName(QStringLiteral("pernoa"));
    useLanguage(language, QtTexts::AsTheyAre);

    if (request.action == Action::ListPrinters)
        return listPrinters();
    return runSheet(request);
}

} // namespace pernoa::cli
