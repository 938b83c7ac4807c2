#pragma once

#include <QString>

namespace pernoa::output::cups {

// True when the print scheduler answers on its socket (the one the user's
// client configuration or CUPS_SERVER names). Without it no printer can be
// listed or used; false too when the printing system's library is missing.
bool schedulerRunning();

// The printer's default resolution in dots per inch as the printing system
// reports it, or 0 when it does not say.
int defaultResolution(const QString& printer);

// Hands a finished PDF document to the printing system as one job on the
// printer (a name as QPrinterInfo gives it, "queue" or "queue/instance"), on
// the named media. Throws RuntimeError(Device) when the job is refused.
void submitPdf(const QString& printer, const QString& pdfFile, const QString& title,
               const QString& media);

} // namespace pernoa::output::cups
