#include "printer/support/MemoryPrinterSystem.h"

#include "ui/printer/PrinterConstants.h"

#include <algorithm>

using namespace Qt::StringLiterals;

using namespace ui::printer;

namespace support {

void MemoryPrinterSystem::addPrinter(Printer printer)
{
    m_printers.push_back(std::move(printer));
}

const MemoryPrinterSystem::Printer *MemoryPrinterSystem::find(const QString &name) const
{
    const auto it = std::find_if(m_printers.begin(), m_printers.end(),
        [&name](const Printer &printer) { return printer.name == name; });
    return it == m_printers.end() ? nullptr : &*it;
}

const MemoryPrinterSystem::Printer *MemoryPrinterSystem::lookup(const QString &name) const
{
    return m_answering ? find(name) : nullptr;
}

MemoryPrinterSystem::Printer *MemoryPrinterSystem::findForWrite(const QString &name)
{
    if (!m_writesAccepted)
        return nullptr;
    return const_cast<Printer *>(lookup(name));
}

bool MemoryPrinterSystem::isDefault(const QString &name) const
{
    return !m_defaultName.isEmpty() && m_defaultName == name;
}

std::optional<QStringList> MemoryPrinterSystem::printerNames() const
{
    if (!m_answering)
        return std::nullopt;
    QStringList names;
    for (const Printer &printer : m_printers)
        names.append(printer.name);
    return names;
}

std::optional<QString> MemoryPrinterSystem::defaultPrinterName() const
{
    if (!m_answering)
        return std::nullopt;
    return m_defaultName;
}

std::optional<PrinterSystem::Details> MemoryPrinterSystem::printer(const QString &name) const
{
    const Printer *printer = lookup(name);
    if (!printer)
        return std::nullopt;
    Details details = printer->details;
    if (details.attributes) {
        *details.attributes &= ~attribute::kIsDefault;
        if (isDefault(name))
            *details.attributes |= attribute::kIsDefault;
    }
    return details;
}

std::vector<int> MemoryPrinterSystem::paperCodes(const QString &name) const
{
    std::vector<int> codes;
    if (const Printer *printer = lookup(name)) {
        for (const Paper &paper : printer->papers)
            codes.push_back(paper.code);
    }
    return codes;
}

std::optional<PrinterSystem::Paper> MemoryPrinterSystem::defaultPaper(const QString &name) const
{
    const Printer *printer = lookup(name);
    return printer ? printer->defaultPaper : std::nullopt;
}

std::optional<int> MemoryPrinterSystem::defaultOrientation(const QString &name) const
{
    const Printer *printer = lookup(name);
    return printer ? printer->defaultOrientation : std::nullopt;
}

// Checks the whole change before it takes any of it; the writes are noted
// in the order paper, orientation, default printer.
bool MemoryPrinterSystem::apply(const QString &name, const Change &change)
{
    Printer *printer = findForWrite(name);
    if (!printer)
        return false;
    std::optional<Paper> taken;
    if (change.paper) {
        const Paper &paper = *change.paper;
        const auto offered = std::find_if(printer->papers.begin(), printer->papers.end(),
            [&paper](const Paper &p) { return p.code == paper.code; });
        if (offered == printer->papers.end())
            return false;
        taken = *offered;
        if (paper.code == paper::kUser) {
            if (paper.width <= 0 || paper.length <= 0)
                return false;
            taken = paper;
        }
    }
    if (change.orientation && *change.orientation != orientation::kPortrait
        && *change.orientation != orientation::kLandscape)
        return false;

    if (taken) {
        printer->defaultPaper = taken;
        m_writes.append(
            u"paper %1 %2 %3 %4"_s.arg(name).arg(taken->code).arg(taken->width).arg(taken->length));
    }
    if (change.orientation) {
        printer->defaultOrientation = change.orientation;
        m_writes.append(u"orientation %1 %2"_s.arg(name).arg(*change.orientation));
    }
    if (change.makeDefault) {
        m_defaultName = name;
        m_writes.append(u"default "_s + name);
    }
    return true;
}

} // namespace support
