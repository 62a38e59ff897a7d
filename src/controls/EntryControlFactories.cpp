#include "controls/EntryControlFactories.h"

#include "controls/my_maskedit.h"
#include "controls/pfc_picture_command_button.h"

namespace controls {

namespace {

QWidget *makeMaskedEdit(const rt::ControlSpec &spec, QWidget *parent)
{
    auto *field = new my_maskedit(parent);
    if (!spec.mask.isEmpty())
        field->setMask(spec.mask);
    field->setText(spec.text);
    if (spec.alignment)
        field->setAlignment(*spec.alignment);
    return field;
}

QWidget *makePictureButton(const rt::ControlSpec &spec, QWidget *parent)
{
    pfc_picture_command_button::Declaration declaration;
    declaration.buttontext = spec.text;
    declaration.bitmapname = spec.picture;
    declaration.x = spec.rect.x();
    declaration.y = spec.rect.y();
    declaration.width = spec.rect.width();
    declaration.height = spec.rect.height();
    declaration.enabled = spec.enabled;
    auto *button = new pfc_picture_command_button(declaration, parent);
    button->setFocusProxy(button->command_button());
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
