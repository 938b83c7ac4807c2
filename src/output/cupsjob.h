#pragma once

#include <QString>

#include <span>
#include <utility>

namespace pernoa::output::cups {

// True when the print scheduler answers on its socket (the one the user's
// client configuration or CUPS_SERVER names). Without it no printer can be
// listed or used; false too when the printing system's library is missing.
bool schedulerRunning();

// The printer's default resolution in dots per inch as the printing system
// reports it, or 0 when it does not say.
int defaultResolution(const QString& printer);

// The job options that print a page at its actual size: never scaled to fit
// the paper or its printable area.
std::span<const std::pair<const char*, const char*>> actualSizeOptions();

// Hands a finished PDF document to the printing system as one job on the
// printer (a name as QPrinterInfo gives it, "queue" or "queue/instance"), on
// the named media, at actual size (these options replace any the printer's
// instance keeps). Throws RuntimeError(Device) when the job is refused.
void submitPdf(const QString& printer, const QString& pdfFile, const QString& title,
               const QString& media);

} // namespace pernoa::output::cups
