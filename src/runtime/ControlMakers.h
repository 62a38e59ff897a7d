#pragma once

#include "runtime/ControlDecl.h"
#include "runtime/ControlLook.h"

#include <QRect>
#include <QString>

// Makers of the common kinds of control for a window's control table: each
// gives the kind and what every control of that kind declares, and takes
// the rest from a ControlLook. Write a table with them as
//
//     rt::label(u"st_1"_s, u"身高"_s, QRect(82, 104, 343, 56),
//         { .font = rt::font(8), .textColor = rt::colors::kNavy }),
namespace rt {

ControlDecl label(
    const QString &name, const QString &text, QRect rect, const ControlLook &look = {});

ControlDecl lineEdit(const QString &name, QRect rect, const ControlLook &look = {});

// A masked entry field under `mask`, empty until something is typed or
// written into it.
ControlDecl maskedEdit(
    const QString &name, QRect rect, const QString &mask, const ControlLook &look = {});

ControlDecl groupBox(
    const QString &name, const QString &caption, QRect rect, const ControlLook &look = {});

ControlDecl checkBox(
    const QString &name, const QString &text, QRect rect, const ControlLook &look = {});

// An auto-exclusive radio button, unchecked.
ControlDecl radioButton(
    const QString &name, const QString &text, QRect rect, const ControlLook &look = {});

// A push button; `picture` is a stock name for its icon (empty: none).
ControlDecl pushButton(const QString &name, const QString &text, QRect rect,
    const ControlLook &look = {}, const QString &picture = {});

// A command button with the stock picture `picture` beside its text.
ControlDecl pictureButton(const QString &name, const QString &text, const QString &picture,
    QRect rect, const ControlLook &look = {});

// A picture filling its rectangle: a stock name or a resource (":/...").
ControlDecl picture(
    const QString &name, const QString &picture, QRect rect, const ControlLook &look = {});

} // namespace rt
