#pragma once

#include <cstdint>
#include <string_view>

namespace ui::printer {

// Turns what the print server says about a queue into the printer service's
// status and attribute words. The table of the mapping is at the code, in
// CupsStateMapping.cpp.
class CupsStateMapping
{
public:
    // `printerState` is the queue's printer-state (3 idle, 4 processing,
    // 5 stopped); `reasons` its printer-state-reasons, keywords separated by
    // commas.
    static std::uint32_t statusWord(int printerState, std::string_view reasons);

    // `isDefault`: the queue is the user's default printer; `isShared`: its
    // printer-is-shared; `printerType`: its printer-type bits.
    static std::uint32_t attributeWord(bool isDefault, bool isShared, std::uint32_t printerType);
};

} // namespace ui::printer
