#include "runtime/ControlBuilder.h"

#include "runtime/LayoutUnits.h"
#include "runtime/RadioButton.h"
#include "runtime/StockImages.h"
#include "runtime/WindowStyle.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace rt {

ControlBuilder::ControlBuilder(
    QWidget *window, const ControlTable &table, const ControlFactories &factories)
{
    std::vector<QGroupBox *> groups;
    std::vector<std::pair<int, QWidget *>> tabbed; // in table order
    for (const ControlSpec &spec : table) {
        if (m_controls.count(spec.name))
            throw ControlLookupError("control '" + spec.name.toStdString() + "' is declared twice");
        QWidget *widget = create(spec, window, factories);
        widget->setObjectName(spec.name);
        widget->setGeometry(units::toPixels(spec.rect));
        if (spec.font.isSet())
            widget->setFont(style::font(spec.font));
        if (spec.textColor >= 0)
            style::setTextColor(widget, spec.textColor);
        if (spec.backColor >= 0)
            style::setBackColor(widget, spec.backColor);
        widget->setEnabled(spec.enabled);
        if (!spec.visible)
            widget->hide();
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            groups.push_back(group);
        QWidget *focus = focusTarget(widget);
        if (spec.tabOrder > 0) {
            tabbed.emplace_back(spec.tabOrder, widget);
        } else if (focus->focusPolicy() & Qt::TabFocus) {
            // Buttons and boxes outside the tab sequence still take the
            // focus by a click.
            focus->setFocusPolicy(
                qobject_cast<QLabel *>(widget) || qobject_cast<QGroupBox *>(widget)
                    ? Qt::NoFocus
                    : Qt::ClickFocus);
            if (auto *radio = qobject_cast<RadioButton *>(widget))
                radio->keepFocusPolicy(Qt::ClickFocus);
        }
        m_controls[spec.name] = widget;
    }
    // The group boxes frame the controls that lie over them; among
    // themselves they keep the table's order (a later one drawn over an
    // earlier one where they overlap).
    for (auto it = groups.rbegin(); it != groups.rend(); ++it)
        (*it)->lower();

    std::stable_sort(tabbed.begin(), tabbed.end(),
        [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<QWidget *> controls;
    for (const auto &[order, widget] : tabbed) {
        QWidget *focus = focusTarget(widget);
        if (!(focus->focusPolicy() & Qt::TabFocus))
            continue; // group boxes and labels: their tab order only ranks them
        m_tabSequence.push_back(focus);
        controls.push_back(widget);
    }
    chainTabOrder(controls);
}

void ControlBuilder::chainTabOrder(const std::vector<QWidget *> &controls)
{
    // A compound control (a picture button) is chained as itself, not as
    // its focus widget, so that setTabOrder() moves it together with its
    // children. Its focus widget moved alone would leave the control behind
    // at its old place, where Tab still stops (the control hands the focus
    // on to its proxy) and takes the focus out of order. setTabOrder()
    // leaves a control without a focus policy where it is, so the control
    // takes its focus widget's.
    QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        QWidget *focus = focusTarget(control);
        if (focus != control && control->focusPolicy() != focus->focusPolicy())
            control->setFocusPolicy(focus->focusPolicy());
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

QWidget *ControlBuilder::create(
    const ControlSpec &spec, QWidget *window, const ControlFactories &factories)
{
    if (const auto it = factories.find(spec.kind); it != factories.end())
        return it->second(spec, window);
    switch (spec.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(spec.text, window);
        label->setAlignment(spec.alignment.value_or(Qt::AlignLeft | Qt::AlignVCenter));
        return label;
    }
    case ControlKind::LineEdit: {
        auto *edit = new QLineEdit(spec.text, window);
        if (spec.alignment)
            edit->setAlignment(*spec.alignment);
        return edit;
    }
    case ControlKind::GroupBox: {
        auto *group = new QGroupBox(spec.text, window);
        group->setFocusPolicy(Qt::NoFocus);
        return group;
    }
    case ControlKind::RadioButton: {
        auto *radio = new RadioButton(spec.text, window);
        radio->setAutoExclusive(spec.autoExclusive);
        radio->setChecked(spec.checked);
        return radio;
    }
    case ControlKind::CheckBox: {
        auto *box = new QCheckBox(spec.text, window);
        box->setChecked(spec.checked);
        return box;
    }
    case ControlKind::PushButton: {
        auto *button = new QPushButton(spec.text, window);
        // Enter in another control does not press a button: only a click, or
        // Space on the focused button, does.
        button->setAutoDefault(false);
        button->setDefault(false);
        if (!spec.picture.isEmpty())
            button->setIcon(stock::icon(spec.picture));
        return button;
    }
    case ControlKind::Picture: {
        auto *picture = new QLabel(window);
        if (!spec.picture.isEmpty())
            picture->setPixmap(stock::picture(spec.picture));
        picture->setFocusPolicy(Qt::NoFocus);
        return picture;
    }
    case ControlKind::DataView: {
        auto *place = new QWidget(window);
        place->setFocusPolicy(Qt::NoFocus);
        return place;
    }
    case ControlKind::MaskedEdit:
    case ControlKind::PictureButton:
        break;
    }
    throw ControlLookupError("control '" + spec.name.toStdString()
        + "' is of a kind that needs the controls layer's factory");
}

QWidget *ControlBuilder::find(const QString &name) const
{
    const auto it = m_controls.find(name);
    return it == m_controls.end() ? nullptr : it->second;
}

QWidget *ControlBuilder::focusTarget(QWidget *control)
{
    if (control->focusProxy())
        return control->focusProxy();
    return control;
}

} // namespace rt
