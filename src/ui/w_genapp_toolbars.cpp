#include "ui/w_genapp_toolbars.h"

#include "runtime/ControlBuilder.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowStyle.h"
#include "runtime/Windows.h"
#include "ui/ToolbarGlobals.h"
#include "ui/ToolbarPlacement.h"
#include "ui/uo_toolbarutil.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr long kDialogBack = 12632256; // RGB(192, 192, 192)
constexpr long kLabelText = 134217729;

const QString kHideText = u"隐藏(&H)"_s;
const QString kShowText = u"显示(&D)"_s;

// The radio buttons in the order of their position codes 0 to 4.
const QStringList kPositionButtons
    = { u"rb_left"_s, u"rb_top"_s, u"rb_right"_s, u"rb_bottom"_s, u"rb_floating"_s };

rt::ControlSpec control(const QString &name, rt::ControlKind kind, const QString &text, QRect rect,
    bool bold, int tabOrder = 0)
{
    rt::ControlSpec spec;
    spec.name = name;
    spec.kind = kind;
    spec.text = text;
    spec.rect = rect;
    spec.font = rt::FontSpec { u"MS Sans Serif"_s, 8, 0, bold };
    spec.tabOrder = tabOrder;
    if (kind == rt::ControlKind::GroupBox) {
        spec.textColor = rt::colors::kWindowText;
        spec.backColor = kDialogBack;
    } else if (kind != rt::ControlKind::PushButton) {
        // Their declared back colour is the dialog's: they paint no
        // background of their own and so show the dialog (or the group
        // box's panel) beneath them, with no patch round their text.
        spec.textColor = kLabelText;
    }
    return spec;
}

// The controls in their order of creation; positions and sizes in layout
// units. The group box is only a frame drawn round the radio buttons,
// which are the dialog's own children like every other control.
rt::ControlTable toolbarControls()
{
    using rt::ControlKind;
    return {
        control(
            u"rb_floating"_s, ControlKind::RadioButton, u"浮动(&F)"_s, { 485, 284, 293, 72 }, true),
        control(
            u"rb_bottom"_s, ControlKind::RadioButton, u"底部(&B)"_s, { 485, 424, 297, 72 }, true),
        control(
            u"rb_right"_s, ControlKind::RadioButton, u"右边(&R)"_s, { 869, 284, 302, 72 }, true),
        control(u"rb_top"_s, ControlKind::RadioButton, u"顶部(&T)"_s, { 485, 132, 297, 72 }, true),
        control(u"rb_left"_s, ControlKind::RadioButton, u"左边(&L)"_s, { 105, 284, 293, 72 }, true),
        control(
            u"cb_done"_s, ControlKind::PushButton, u"关闭(&X)"_s, { 919, 716, 302, 92 }, false, 30),
        control(
            u"cb_visible"_s, ControlKind::PushButton, kHideText, { 914, 604, 302, 92 }, false, 20),
        control(u"cbx_showtips"_s, ControlKind::CheckBox, u"显示提示(&P)"_s, { 69, 708, 439, 72 },
            true),
        control(u"cbx_showtext"_s, ControlKind::CheckBox, u"显示文字(&E)"_s, { 73, 600, 457, 72 },
            true),
        control(
            u"gb_1"_s, ControlKind::GroupBox, u"工具栏位置"_s, { 55, 44, 1157, 492 }, false, 10),
    };
}

} // namespace

w_genapp_toolbars::w_genapp_toolbars(QMainWindow *frame, QWidget *parent)
    : QDialog(parent,
        rt::style::modalDialogFlags() | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , iw_window(frame)
{
    setObjectName(u"w_genapp_toolbars"_s);
    setWindowTitle(u"工具栏设置"_s);
    setModal(true);
    setFixedSize(rt::style::clientSizeForOuter(QSize(1317, 988)));
    rt::style::setBackColor(this, kDialogBack);

    const rt::ControlBuilder built(this, toolbarControls());
    m_positions = new QButtonGroup(this);
    m_positions->setExclusive(true);
    for (int code = 0; code < kPositionButtons.size(); ++code) {
        auto *radio = built.get<QRadioButton>(kPositionButtons[code]);
        // Not in the tab sequence: the builder keeps it so when checked.
        m_positions->addButton(radio, code);
    }
    cbx_showtext = built.get<QCheckBox>(u"cbx_showtext"_s);
    cbx_showtips = built.get<QCheckBox>(u"cbx_showtips"_s);
    cb_visible = built.get<QPushButton>(u"cb_visible"_s);
    auto *done = built.get<QPushButton>(u"cb_done"_s);
    // Enter clicks the visibility button.
    cb_visible->setDefault(true);

    // idClicked comes on every click, also on the button already checked.
    connect(m_positions, &QButtonGroup::idClicked, this, &w_genapp_toolbars::setAlignment);
    connect(cb_visible, &QPushButton::clicked, this, &w_genapp_toolbars::cb_visible_clicked);
    connect(cbx_showtips, &QCheckBox::clicked, this, &w_genapp_toolbars::cbx_showtips_clicked);
    connect(cbx_showtext, &QCheckBox::clicked, this, &w_genapp_toolbars::cbx_showtext_clicked);
    connect(done, &QPushButton::clicked, this, &QWidget::close);
}

void w_genapp_toolbars::showEvent(QShowEvent *event)
{
    if (!m_opened) {
        m_opened = true;
        rt::style::centerOnScreen(this);
        ue_open();
    }
    QDialog::showEvent(event);
}

void w_genapp_toolbars::ue_open()
{
    // Without a frame there is no position or visibility to show; the
    // boxes for the application's switches still are.
    if (iw_window) {
        if (QAbstractButton *matching = m_positions->button(ui::toolbarAlignment(*iw_window)))
            matching->setChecked(true);
        cb_visible->setText(ui::toolbarVisible(*iw_window) ? kHideText : kShowText);
    }
    cbx_showtext->setChecked(ui::toolbarSwitches().text);
    cbx_showtips->setChecked(ui::toolbarSwitches().tips);
}

void w_genapp_toolbars::setAlignment(int code)
{
    if (iw_window)
        ui::setToolbarAlignment(*iw_window, code);
}

void w_genapp_toolbars::cb_visible_clicked()
{
    if (!iw_window)
        return;
    // Decides by its own caption, not by asking the toolbar again.
    if (cb_visible->text() == kHideText) {
        ui::setToolbarVisible(*iw_window, false);
        cb_visible->setText(kShowText);
    } else {
        ui::setToolbarVisible(*iw_window, true);
        cb_visible->setText(kHideText);
    }
}

void w_genapp_toolbars::cbx_showtips_clicked()
{
    ui::toolbarSwitches().tips = cbx_showtips->isChecked();
}

void w_genapp_toolbars::cbx_showtext_clicked()
{
    if (const auto &util = ui::toolbarUtil())
        util->of_toolbarshowtext(cbx_showtext->isChecked());
}
