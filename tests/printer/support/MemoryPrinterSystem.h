#pragma once

#include "ui/printer/PrinterSystem.h"

namespace support {

// A printer system held in memory, for the tests of the printer service's
// logic: the printers and their defaults are whatever the test puts in, the
// whole system (as one that does not answer) or the writes can be made to
// fail, and every write the system takes is noted in writes().
class MemoryPrinterSystem final : public ui::printer::PrinterSystem
{
public:
    struct Printer
    {
        QString name;
        // What it tells; an empty value is one the printer does not report.
        // The attribute word is kept without attribute::kIsDefault: the
        // system sets that bit for the printer that its default entry names.
        Details details;
        // The papers it offers, with their sizes; an entry with the code
        // paper::kUser means it takes sizes of the caller's own.
        std::vector<Paper> papers;
        std::optional<Paper> defaultPaper;
        std::optional<int> defaultOrientation;
    };

    void addPrinter(Printer printer);
    // The default printer's name, "" for none.
    void setDefaultName(const QString &name) { m_defaultName = name; }
    // A system that does not answer: every read is empty, every write refused.
    void setAnswering(bool answering) { m_answering = answering; }
    void setWritesAccepted(bool accepted) { m_writesAccepted = accepted; }

    const Printer *find(const QString &name) const;
    // The writes taken, in order: "default NAME", "paper NAME CODE WIDTH LENGTH",
    // "orientation NAME VALUE".
    const QStringList &writes() const { return m_writes; }

    std::optional<QStringList> printerNames() const override;
    std::optional<QString> defaultPrinterName() const override;
    std::optional<Details> printer(const QString &name) const override;
    std::vector<int> paperCodes(const QString &name) const override;
    std::optional<Paper> defaultPaper(const QString &name) const override;
    std::optional<int> defaultOrientation(const QString &name) const override;

    bool apply(const QString &name, const Change &change) override;

private:
    // The printer as the system tells it: none while it does not answer.
    const Printer *lookup(const QString &name) const;
    Printer *findForWrite(const QString &name);
    bool isDefault(const QString &name) const;

    std::vector<Printer> m_printers;
    QString m_defaultName;
    bool m_answering = true;
    bool m_writesAccepted = true;
    QStringList m_writes;
};

} // namespace support
