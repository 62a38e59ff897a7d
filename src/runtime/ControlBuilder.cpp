#include "runtime/ControlBuilder.h"

#include "runtime/GroupBoxCaptionStyle.h"
#include "runtime/LayoutUnits.h"
#include "runtime/RadioButton.h"
#include "runtime/StockImages.h"
#include "runtime/WindowStyle.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace rt {

ControlBuilder::ControlBuilder(
    QWidget *window, const ControlTable &table, const ControlFactories &factories)
{
    std::vector<QGroupBox *> groups;
    std::vector<std::pair<int, QWidget *>> tabbed; // in table order
    for (const ControlDecl &decl : table) {
        if (m_controls.count(decl.name))
            throw ControlLookupError("control '" + decl.name.toStdString() + "' is declared twice");
        QWidget *widget = create(decl, window, factories);
        widget->setObjectName(decl.name);
        widget->setGeometry(units::toPixels(decl.rect));
        if (decl.font.isSet())
            widget->setFont(style::toQFont(decl.font));
        if (decl.textColor >= 0)
            style::setTextColor(widget, decl.textColor);
        if (decl.backColor >= 0)
            style::setBackColor(widget, decl.backColor);
        if (!decl.pointer.isEmpty())
            widget->setCursor(stock::pointer(decl.pointer));
        widget->setEnabled(decl.enabled);
        if (!decl.visible)
            widget->hide();
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            groups.push_back(group);
        if (!decl.buttonGroup.isEmpty())
            joinButtonGroup(decl, widget, window);
        QWidget *focus = focusTarget(widget);
        if (decl.tabOrder > 0) {
            tabbed.emplace_back(decl.tabOrder, widget);
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
        m_controls[decl.name] = widget;
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
    const ControlDecl &decl, QWidget *window, const ControlFactories &factories)
{
    if (const auto it = factories.find(decl.kind); it != factories.end())
        return it->second(decl, window);
    switch (decl.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(decl.text, window);
        label->setAlignment(decl.alignment.value_or(Qt::AlignLeft | Qt::AlignVCenter));
        return label;
    }
    case ControlKind::LineEdit: {
        auto *edit = new QLineEdit(decl.text, window);
        if (decl.alignment)
            edit->setAlignment(*decl.alignment);
        return edit;
    }
    case ControlKind::GroupBox: {
        auto *group = new QGroupBox(decl.text, window);
        group->setStyle(GroupBoxCaptionStyle::instance());
        group->setFocusPolicy(Qt::NoFocus);
        return group;
    }
    case ControlKind::RadioButton: {
        auto *radio = new RadioButton(decl.text, window);
        radio->setAutoExclusive(decl.autoExclusive);
        radio->setChecked(decl.checked);
        return radio;
    }
    case ControlKind::CheckBox: {
        auto *box = new QCheckBox(decl.text, window);
        box->setChecked(decl.checked);
        return box;
    }
    case ControlKind::PushButton: {
        auto *button = new QPushButton(decl.text, window);
        // Enter in another control does not press a button: only a click, or
        // Space on the focused button, does.
        button->setAutoDefault(false);
        button->setDefault(false);
        if (!decl.picture.isEmpty())
            button->setIcon(stock::icon(decl.picture));
        return button;
    }
    case ControlKind::Picture: {
        // A plain picture takes no click itself: its clicks go on to the
        // window beneath it.
        auto *picture = new QLabel(window);
        if (!decl.picture.isEmpty()) {
            picture->setPixmap(stock::isStockName(decl.picture) ? stock::picture(decl.picture)
                                                                : QPixmap(decl.picture));
        }
        picture->setScaledContents(true);
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
    throw ControlLookupError("control '" + decl.name.toStdString()
        + "' is of a kind that needs the controls layer's factory");
}

void ControlBuilder::joinButtonGroup(const ControlDecl &decl, QWidget *widget, QWidget *window)
{
    auto *button = qobject_cast<QAbstractButton *>(widget);
    if (!button)
        throw ControlLookupError(
            "control '" + decl.name.toStdString() + "' names a button group but is no button");
    QButtonGroup *&group = m_buttonGroups[decl.buttonGroup];
    if (!group) {
        group = new QButtonGroup(window);
        group->setObjectName(decl.buttonGroup);
        group->setExclusive(true);
    }
    group->addButton(button, decl.buttonId);
}

QButtonGroup *ControlBuilder::buttonGroup(const QString &name) const
{
    const auto it = m_buttonGroups.find(name);
    if (it == m_buttonGroups.end())
        throw ControlLookupError(
            "no control of the table joins button group '" + name.toStdString() + "'");
    return it->second;
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
