#pragma once

// A printer list the test sets up: the installed printers and the current one
// are plain values, changed at will (a printer can vanish between two calls).

#include "engine/surfaces.h"

#include <QString>
#include <QStringList>

namespace pernoa::test {

class FixedPrinterList : public IPrinterList {
public:
    QStringList printerNames() const override { return names; }
    QString currentPrinterName() const override { return current; }
    void setCurrentPrinter(const QString& name) override {
        current = name;
        ++changes;
    }
    bool schedulerAnswers() const override { return scheduler; }

    QStringList names;
    QString current;
    int changes = 0;
    bool scheduler = true;
};

} // namespace pernoa::test
