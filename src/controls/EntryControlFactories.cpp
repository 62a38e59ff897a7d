#include "controls/EntryControlFactories.h"

#include "controls/my_maskedit.h"
#include "controls/pfc_picture_command_button.h"

namespace controls {

namespace {

QWidget *makeMaskedEdit(const rt::ControlDecl &decl, QWidget *parent)
{
    auto *field = new my_maskedit(parent);
    if (!decl.mask.isEmpty())
        field->setMask(decl.mask);
    field->setText(decl.text);
    if (decl.alignment)
        field->setAlignment(*decl.alignment);
    return field;
}

QWidget *makePictureButton(const rt::ControlDecl &decl, QWidget *parent)
{
    pfc_picture_command_button::Declaration declaration;
    declaration.buttonText = decl.text;
    declaration.bitmapName = decl.picture;
    declaration.x = decl.rect.x();
    declaration.y = decl.rect.y();
    declaration.width = decl.rect.width();
    declaration.height = decl.rect.height();
    declaration.enabled = decl.enabled;
    auto *button = new pfc_picture_command_button(declaration, parent);
    button->setFocusProxy(button->innerButton());
    return button;
}

} // namespace

const rt::ControlFactories &entryControlFactories()
{
    static const rt::ControlFactories factories {
        { rt::ControlKind::MaskedEdit, &makeMaskedEdit },
        { rt::ControlKind::PictureButton, &makePictureButton },
    };
    return factories;
}

} // namespace controls
