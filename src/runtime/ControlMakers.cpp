#include "runtime/ControlMakers.h"

namespace rt {

namespace {

ControlDecl make(
    ControlKind kind, const QString &name, const QString &text, QRect rect, const ControlLook &look)
{
    return {
        .name = name,
        .kind = kind,
        .text = text,
        .rect = rect,
        .font = look.font,
        .textColor = look.textColor,
        .backColor = look.backColor,
        .tabOrder = look.tabOrder,
        .enabled = look.enabled,
        .visible = look.visible,
    };
}

} // namespace

ControlDecl label(const QString &name, const QString &text, QRect rect, const ControlLook &look)
{
    return make(ControlKind::Label, name, text, rect, look);
}

ControlDecl lineEdit(const QString &name, QRect rect, const ControlLook &look)
{
    return make(ControlKind::LineEdit, name, {}, rect, look);
}

ControlDecl maskedEdit(
    const QString &name, QRect rect, const QString &mask, const ControlLook &look)
{
    ControlDecl decl = make(ControlKind::MaskedEdit, name, {}, rect, look);
    decl.mask = mask;
    return decl;
}

ControlDecl groupBox(
    const QString &name, const QString &caption, QRect rect, const ControlLook &look)
{
    return make(ControlKind::GroupBox, name, caption, rect, look);
}

ControlDecl checkBox(const QString &name, const QString &text, QRect rect, const ControlLook &look)
{
    return make(ControlKind::CheckBox, name, text, rect, look);
}

ControlDecl radioButton(
    const QString &name, const QString &text, QRect rect, const ControlLook &look)
{
    return make(ControlKind::RadioButton, name, text, rect, look);
}

ControlDecl pushButton(const QString &name, const QString &text, QRect rect,
    const ControlLook &look, const QString &picture)
{
    ControlDecl decl = make(ControlKind::PushButton, name, text, rect, look);
    decl.picture = picture;
    return decl;
}

ControlDecl pictureButton(const QString &name, const QString &text, const QString &picture,
    QRect rect, const ControlLook &look)
{
    ControlDecl decl = make(ControlKind::PictureButton, name, text, rect, look);
    decl.picture = picture;
    return decl;
}

ControlDecl picture(
    const QString &name, const QString &picture, QRect rect, const ControlLook &look)
{
    ControlDecl decl = make(ControlKind::Picture, name, {}, rect, look);
    decl.picture = picture;
    return decl;
}

} // namespace rt
