#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace rt {

// The stock pictures, icons and pointers, named by a word and "!"
// ("Save!", "Exit!", "Custom079!", "AppIcon!", "HyperLink!", ...). The
// images are drawn by the program itself; names are matched ignoring case.
namespace stock {

bool isStockName(const QString &name);

// A picture of `size` x `size` pixels; a null pixmap for an unknown name.
QPixmap picture(const QString &name, int size = 32);

// A stock name, or else a picture carried in the resources (":/...").
QPixmap pictureOrResource(const QString &name, int size = 32);

QIcon icon(const QString &name);

// "HyperLink!" is the pointing hand, "Arrow!" the ordinary arrow.
QCursor pointer(const QString &name);

} // namespace stock
} // namespace rt
