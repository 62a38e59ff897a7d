#pragma once

#include <QString>
#include <QStringView>

namespace rt {

// The faces the windows declare. A face missing on the machine falls back
// to a near one that also has Chinese glyphs (see style::toQFont).
namespace faces {
inline constexpr QStringView kArial = u"Arial";
inline constexpr QStringView kSongTi = u"宋体";
inline constexpr QStringView kMsSansSerif = u"MS Sans Serif";
inline constexpr QStringView kCourierNew = u"Courier New";
} // namespace faces

// A font as a window declares it: a face name, a size in points (or
// pixels), weight and style. A default FontDecl leaves the control's own
// font alone.
struct FontDecl
{
    QString face {}; // empty: keep the control's own face
    int pointSize = 0; // 0: the control's own size
    int pixelSize = 0; // used instead of pointSize when set
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool isSet() const { return !face.isEmpty() || pointSize > 0 || pixelSize > 0; }
};

// The font of most controls: `points` in Arial, or in `face`.
inline FontDecl font(int points, bool bold = false, QStringView face = faces::kArial)
{
    return { .face = face.toString(), .pointSize = points, .bold = bold };
}

} // namespace rt
