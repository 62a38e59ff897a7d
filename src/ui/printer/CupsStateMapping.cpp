#include "ui/printer/CupsStateMapping.h"

#include "ui/printer/PrinterConstants.h"

#include <cups/cups.h>

#include <array>
#include <utility>

namespace ui::printer {

// How a print-server queue becomes the status and attribute words.
//
// | what the server says                                  | bit of the word            |
// |-------------------------------------------------------|----------------------------|
// | STATUS WORD                                           |                            |
// | printer-state 3 (idle)                                | none: the word is 0        |
// | printer-state 4 (processing)                          | kPrinting      0x00000400  |
// | printer-state 5 (stopped, e.g. after cupsdisable)     | kPaused        0x00000001  |
// | reason paused                                         | kPaused        0x00000001  |
// | reason media-empty, media-needed                      | kPaperOut      0x00000010  |
// | reason media-jam                                      | kPaperJam      0x00000008  |
// | reason input-tray-missing                             | kPaperProblem  0x00000040  |
// | reason offline, timed-out                             | kOffline       0x00000080  |
// | reason door-open, cover-open, interlock-open          | kDoorOpen      0x00400000  |
// | reason toner-low, marker-supply-low                   | kTonerLow      0x00020000  |
// | reason toner-empty, marker-supply-empty               | kNoToner       0x00040000  |
// | reason output-area-full                               | kOutputBinFull 0x00000800  |
// | reason shutdown                                       | kNotAvailable  0x00001000  |
// | any reason with the suffix -error                     | kError         0x00000002  |
// |                                                       | (beside its own bit)       |
// | reason none, any other reason                         | nothing                    |
// | ATTRIBUTE WORD                                        |                            |
// | the queue is the user's default printer               | kIsDefault     0x00000004  |
// | printer-is-shared true                                | kShared        0x00000008  |
// | printer-type has CUPS_PRINTER_REMOTE or               | kNetwork       0x00000010  |
// | CUPS_PRINTER_DISCOVERED (another server's printer)    |                            |
// | otherwise (a queue of this server itself)             | kLocal         0x00000040  |
//
// A reason counts whatever its suffix (-report, -warning, -error or none):
// servers report an unreachable printer as offline-report, a jam as
// media-jam-error or media-jam-warning.
namespace {

constexpr std::array<std::pair<std::string_view, std::uint32_t>, 17> kReasonBits { {
    { "paused", status::kPaused },
    { "media-empty", status::kPaperOut },
    { "media-needed", status::kPaperOut },
    { "media-jam", status::kPaperJam },
    { "input-tray-missing", status::kPaperProblem },
    { "offline", status::kOffline },
    { "timed-out", status::kOffline },
    { "door-open", status::kDoorOpen },
    { "cover-open", status::kDoorOpen },
    { "interlock-open", status::kDoorOpen },
    { "toner-low", status::kTonerLow },
    { "marker-supply-low", status::kTonerLow },
    { "toner-empty", status::kNoToner },
    { "marker-supply-empty", status::kNoToner },
    { "output-area-full", status::kOutputBinFull },
    { "shutdown", status::kNotAvailable },
    { "none", 0 },
} };

constexpr int kStateProcessing = 4;
constexpr int kStateStopped = 5;

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool removeSuffix(std::string_view &keyword, std::string_view suffix)
{
    if (keyword.size() > suffix.size() && keyword.ends_with(suffix)) {
        keyword.remove_suffix(suffix.size());
        return true;
    }
    return false;
}

std::uint32_t reasonBits(std::string_view reason)
{
    std::uint32_t bits = 0;
    if (removeSuffix(reason, "-error"))
        bits |= status::kError;
    else if (!removeSuffix(reason, "-warning"))
        removeSuffix(reason, "-report");
    for (const auto &[keyword, bit] : kReasonBits) {
        if (keyword == reason)
            return bits | bit;
    }
    return bits;
}

} // namespace

std::uint32_t CupsStateMapping::statusWord(int printerState, std::string_view reasons)
{
    std::uint32_t word = 0;
    if (printerState == kStateProcessing)
        word |= status::kPrinting;
    else if (printerState == kStateStopped)
        word |= status::kPaused;
    while (!reasons.empty()) {
        const std::size_t comma = reasons.find(',');
        const std::string_view reason = trimmed(reasons.substr(0, comma));
        if (!reason.empty())
            word |= reasonBits(reason);
        if (comma == std::string_view::npos)
            break;
        reasons.remove_prefix(comma + 1);
    }
    return word;
}

std::uint32_t CupsStateMapping::attributeWord(
    bool isDefault, bool isShared, std::uint32_t printerType)
{
    std::uint32_t word = 0;
    if (isDefault)
        word |= attribute::kIsDefault;
    if (isShared)
        word |= attribute::kShared;
    if (printerType & (CUPS_PRINTER_REMOTE | CUPS_PRINTER_DISCOVERED))
        word |= attribute::kNetwork;
    else
        word |= attribute::kLocal;
    return word;
}

} // namespace ui::printer
