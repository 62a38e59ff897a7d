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
inline constexpr int kDriverName = 1;
inline constexpr int kPortName = 2;
inline constexpr int kStatus = 3;
inline constexpr int kAttributes = 4;
inline constexpr int kPaper = 5;
inline constexpr int kPaperToo = 6; // the same as kPaper
inline constexpr int kOrientation = 7;
inline constexpr int kSetPaper = 101;
inline constexpr int kSetPaperToo = 102; // the same as kSetPaper
inline constexpr int kSetOrientation = 103;
inline constexpr int kMakeDefault = 105;
} // namespace command

// Paper codes; width and length go with them in tenths of a millimetre.
namespace paper {
inline constexpr int kLetter = 1;
inline constexpr int kA3 = 8;
inline constexpr int kA4 = 9;
inline constexpr int kA5 = 11;
// A size of the caller's own, given by width and length.
inline constexpr int kUser = 256;
} // namespace paper

namespace orientation {
inline constexpr int kPortrait = 1;
inline constexpr int kLandscape = 2;
} // namespace orientation

// Bits of a printer's status word.
namespace status {
inline constexpr std::uint32_t kPaused = 0x00000001;
inline constexpr std::uint32_t kError = 0x00000002;
inline constexpr std::uint32_t kPaperJam = 0x00000008;
inline constexpr std::uint32_t kPaperOut = 0x00000010;
inline constexpr std::uint32_t kPaperProblem = 0x00000040;
inline constexpr std::uint32_t kOffline = 0x00000080;
inline constexpr std::uint32_t kPrinting = 0x00000400;
inline constexpr std::uint32_t kOutputBinFull = 0x00000800;
inline constexpr std::uint32_t kNotAvailable = 0x00001000;
inline constexpr std::uint32_t kTonerLow = 0x00020000;
inline constexpr std::uint32_t kNoToner = 0x00040000;
inline constexpr std::uint32_t kDoorOpen = 0x00400000;
} // namespace status

// Bits of a printer's attribute word.
namespace attribute {
inline constexpr std::uint32_t kIsDefault = 0x00000004;
inline constexpr std::uint32_t kShared = 0x00000008;
inline constexpr std::uint32_t kNetwork = 0x00000010;
inline constexpr std::uint32_t kLocal = 0x00000040;
} // namespace attribute

} // namespace ui::printer
