#include "output/cupsjob.h"

#include "engine/numberrules.h"
#include "output/texts.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <memory>

namespace pernoa::output::cups {
namespace {

[[noreturn]] void fail(const QString& what) {
    throw RuntimeError(RuntimeError::Kind::Device, what);
}

// The printing system's client library, loaded when the first job needs it.
// Linked in, it and the many libraries it brings would be loaded at every
// start, which would make the program start markedly slower for work that
// never prints (the windows until they print, every PDF export). Qt's own
// print support loads the same library as soon as printers are listed.
struct CupsApi {
    decltype(&::cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&::cupsFreeDests) freeDests = nullptr;
    decltype(&::cupsCopyDestInfo) copyDestInfo = nullptr;
    decltype(&::cupsFreeDestInfo) freeDestInfo = nullptr;
    decltype(&::cupsFindDestDefault) findDestDefault = nullptr;
    decltype(&::ippGetValueTag) getValueTag = nullptr;
    decltype(&::ippGetResolution) getResolution = nullptr;
    decltype(&::cupsAddOption) addOption = nullptr;
    decltype(&::cupsFreeOptions) freeOptions = nullptr;
    decltype(&::cupsPrintFile2) printFile2 = nullptr;
    decltype(&::cupsLastErrorString) lastErrorString = nullptr;
    decltype(&::cupsServer) server = nullptr;
    decltype(&::ippPort) port = nullptr;
    decltype(&::cupsEncryption) encryption = nullptr;
    decltype(&::httpConnect2) connect = nullptr;
    decltype(&::httpClose) close = nullptr;
    bool loaded = false;
};

template <typename F> bool resolve(void* library, const char* name, F& function) {
    function = reinterpret_cast<F>(dlsym(library, name));
    return function != nullptr;
}

CupsApi loadCups() {
    CupsApi api;
    void* library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return api;
    api.loaded =
        resolve(library, "cupsGetNamedDest", api.getNamedDest) &&
        resolve(library, "cupsFreeDests", api.freeDests) &&
        resolve(library, "cupsCopyDestInfo", api.copyDestInfo) &&
        resolve(library, "cupsFreeDestInfo", api.freeDestInfo) &&
        resolve(library, "cupsFindDestDefault", api.findDestDefault) &&
        resolve(library, "ippGetValueTag", api.getValueTag) &&
        resolve(library, "ippGetResolution", api.getResolution) &&
        resolve(library, "cupsAddOption", api.addOption) &&
        resolve(library, "cupsFreeOptions", api.freeOptions) &&
        resolve(library, "cupsPrintFile2", api.printFile2) &&
        resolve(library, "cupsLastErrorString", api.lastErrorString) &&
        resolve(library, "cupsServer", api.server) && resolve(library, "ippPort", api.port) &&
        resolve(library, "cupsEncryption", api.encryption) &&
        resolve(library, "httpConnect2", api.connect) && resolve(library, "httpClose", api.close);
    // The library stays loaded for the rest of the run.
    return api;
}

const CupsApi& loadedCups() {
    static const CupsApi api = loadCups();
    return api;
}

const CupsApi& cupsApi() {
    const CupsApi& api = loadedCups();
    if (!api.loaded)
        fail(texts::cupsLibraryMissing());
    return api;
}

struct DestDeleter {
    void operator()(cups_dest_t* dest) const { cupsApi().freeDests(1, dest); }
};
struct InfoDeleter {
    void operator()(cups_dinfo_t* info) const { cupsApi().freeDestInfo(info); }
};
using DestPtr = std::unique_ptr<cups_dest_t, DestDeleter>;

// The destination of a "queue" or "queue/instance" name, with the options the
// user saved for it.
DestPtr namedDest(const QString& printer) {
    const qsizetype slash = printer.indexOf(QLatin1Char('/'));
    const QByteArray queue = (slash < 0 ? printer : printer.left(slash)).toLocal8Bit();
    const QByteArray instance = slash < 0 ? QByteArray() : printer.mid(slash + 1).toLocal8Bit();
    return DestPtr(cupsApi().getNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                                          instance.isEmpty() ? nullptr : instance.constData()));
}

} // namespace

std::span<const std::pair<const char*, const char*>> actualSizeOptions() {
    static const std::pair<const char*, const char*> options[] = {
        {"print-scaling", "none"},
        {"fit-to-page", "false"},
    };
    return options;
}

bool schedulerRunning() {
    const CupsApi& lib = loadedCups();
    if (!lib.loaded)
        return false;
    // A connection, as the scheduler's own status command makes: refused at
    // once by a missing socket, so this does not wait.
    http_t* http = lib.connect(lib.server(), lib.port(), nullptr, AF_UNSPEC, lib.encryption(), 1,
                               5000, nullptr);
    if (!http)
        return false;
    lib.close(http);
    return true;
}

int defaultResolution(const QString& printer) {
    const CupsApi& lib = cupsApi();
    DestPtr dest = namedDest(printer);
    if (!dest)
        return 0;
    std::unique_ptr<cups_dinfo_t, InfoDeleter> info(
        lib.copyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
    if (!info)
        return 0;
    ipp_attribute_t* attr =
        lib.findDestDefault(CUPS_HTTP_DEFAULT, dest.get(), info.get(), "printer-resolution");
    if (!attr || lib.getValueTag(attr) != IPP_TAG_RESOLUTION)
        return 0;
    int yres = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    const int xres = lib.getResolution(attr, 0, &yres, &units);
    // Lines run in both directions: the coarser axis decides what a device
    // pixel is.
    int dpi = xres < yres ? xres : yres;
    if (units == IPP_RES_PER_CM)
        dpi = int(dpi * 2.54 + 0.5);
    return dpi > 0 ? dpi : 0;
}

void submitPdf(const QString& printer, const QString& pdfFile, const QString& title,
               const QString& media) {
    const CupsApi& lib = cupsApi();
    DestPtr dest = namedDest(printer);
    if (!dest)
        fail(texts::printerUnknownToCups(printer, QString::fromUtf8(lib.lastErrorString())));

    // The instance's saved options, then the job's own, which take their
    // place: the paper, and the page at its actual size. A page fitted to
    // the printable area would come out a few per cent small, and the
    // staves no longer where the user measured them.
    cups_option_t* options = nullptr;
    int count = 0;
    for (int i = 0; i < dest->num_options; ++i)
        count = lib.addOption(dest->options[i].name, dest->options[i].value, count, &options);
    if (!media.isEmpty())
        count = lib.addOption("media", media.toUtf8().constData(), count, &options);
    for (const auto& [name, value] : actualSizeOptions())
        count = lib.addOption(name, value, count, &options);

    const int job = lib.printFile2(CUPS_HTTP_DEFAULT, dest->name, pdfFile.toLocal8Bit().constData(),
                                   title.toUtf8().constData(), count, options);
    lib.freeOptions(count, options);
    if (job <= 0)
        fail(texts::jobRefused(QString::fromUtf8(lib.lastErrorString())));
}

} // namespace pernoa::output::cups
