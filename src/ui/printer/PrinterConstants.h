#pragma once

#include <cstdint>

// The numbers the printer service hands out and takes: its command codes,
// the paper codes, the orientations and the bits of a printer's status and
// attribute words. Paper codes, status and attribute bits keep the values
// that callers of the service know from the Windows printing interface, so
// a value read on one system means the same on the other.
namespace ui::printer {

// Command codes of n_printer::of_printer.
namespace command {
inline constexpr int driverName = 1;
inline constexpr int portName = 2;
inline constexpr int status = 3;
inline constexpr int attributes = 4;
inline constexpr int paper = 5;
inline constexpr int paperToo = 6; // the same as paper
inline constexpr int orientation = 7;
inline constexpr int setPaper = 101;
inline constexpr int setPaperToo = 102; // the same as setPaper
inline constexpr int setOrientation = 103;
inline constexpr int makeDefault = 105;
} // namespace command

// Paper codes; width and length go with them in tenths of a millimetre.
namespace paper {
inline constexpr int letter = 1;
inline constexpr int a3 = 8;
inline constexpr int a4 = 9;
inline constexpr int a5 = 11;
// A size of the caller's own, given by width and length.
inline constexpr int user = 256;
} // namespace paper

namespace orientation {
inline constexpr int portrait = 1;
inline constexpr int landscape = 2;
} // namespace orientation

// Bits of a printer's status word.
namespace status {
inline constexpr std::uint32_t paused = 0x00000001;
inline constexpr std::uint32_t error = 0x00000002;
inline constexpr std::uint32_t paperJam = 0x00000008;
inline constexpr std::uint32_t paperOut = 0x00000010;
inline constexpr std::uint32_t paperProblem = 0x00000040;
inline constexpr std::uint32_t offline = 0x00000080;
inline constexpr std::uint32_t printing = 0x00000400;
inline constexpr std::uint32_t outputBinFull = 0x00000800;
inline constexpr std::uint32_t notAvailable = 0x00001000;
inline constexpr std::uint32_t tonerLow = 0x00020000;
inline constexpr std::uint32_t noToner = 0x00040000;
inline constexpr std::uint32_t doorOpen = 0x00400000;
} // namespace status

// Bits of a printer's attribute word.
namespace attribute {
inline constexpr std::uint32_t isDefault = 0x00000004;
inline constexpr std::uint32_t shared = 0x00000008;
inline constexpr std::uint32_t network = 0x00000010;
inline constexpr std::uint32_t local = 0x00000040;
} // namespace attribute

} // namespace ui::printer
