#pragma once

#include <QString>

#include <optional>
#include <vector>

// The page definition d_start: the fixed pictures and texts of the frame's
// start page, positioned in layout units inside the page.
namespace shell::startpage {

enum class ObjectType { Bitmap, Text };

struct PageObject
{
    QString name;
    ObjectType type = ObjectType::Bitmap;
    bool visible = true;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    // Pictures: the resource that is drawn (empty: nothing drawn), the
    // pointer over the picture (empty: the ordinary arrow) and its tag
    // (none for the arrows).
    QString picture;
    QString pointer;
    std::optional<QString> tag;

    // Texts: centred in their box on a transparent background.
    QString text;
    int fontPoints = 9;
    int fontWeight = 400;
    long colorCode = 0;
};

// The objects in drawing order; a later object lies above an earlier one.
const std::vector<PageObject> &d_start();

// Size of the page in layout units.
inline constexpr int kPageWidth = 3671;
inline constexpr int kPageHeight = 2144;

// Border codes of a page object.
inline constexpr int kBorderNone = 0;
inline constexpr int kBorderLowered = 5;
inline constexpr int kBorderRaised = 6;

} // namespace shell::startpage
