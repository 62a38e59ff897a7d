#include "ui/w_genapp_toolbars.h"

#include "runtime/ControlBuilder.h"
#include "runtime/ControlMakers.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowDecl.h"
#include "runtime/WindowStyle.h"
#include "ui/ToolbarGlobals.h"
#include "ui/ToolbarPlacement.h"
#include "ui/uo_toolbarutil.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QMainWindow>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

const QString kHideText = u"隐藏(&H)"_s;
const QString kShowText = u"显示(&D)"_s;
const QString kPositions = u"positions"_s;

// A title bar with a system menu and a close box; a fixed size.
rt::WindowDecl toolbarWindow()
{
    return { .name = w_genapp_toolbars::className(),
        .title = u"工具栏设置"_s,
        .flags
        = rt::style::modalDialogFlags() | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint,
        .modal = true,
        .size = QSize(1317, 988),
        .backColor = rt::colors::kSilver,
        .placement = rt::WindowDecl::Placement::CentredOnFirstShow };
}

// The controls in their order of creation; positions and sizes in layout
// units. The group box is only a frame drawn round the radio buttons,
// which are the dialog's own children like every other control. The
// radio buttons' ids in their button group are the position codes 0 to 4
// (left, top, right, bottom, floating).
rt::ControlTable toolbarControls()
{
    // The buttons and boxes declare the dialog's back colour: they paint no
    // background of their own and so show the dialog (or the group box's
    // panel) beneath them, with no patch round their text.
    const rt::FontDecl font = rt::font(8, false, rt::faces::kMsSansSerif);
    const rt::ControlLook choice { .font = rt::font(8, true, rt::faces::kMsSansSerif),
        .textColor = rt::colors::kDesktop };
    auto position = [&](const QString &name, const QString &text, QRect rect, int code) {
        rt::ControlDecl decl = rt::radioButton(name, text, rect, choice);
        decl.buttonGroup = kPositions;
        decl.buttonId = code;
        return decl;
    };
    return {
        position(u"rb_floating"_s, u"浮动(&F)"_s, { 485, 284, 293, 72 }, 4),
        position(u"rb_bottom"_s, u"底部(&B)"_s, { 485, 424, 297, 72 }, 3),
        position(u"rb_right"_s, u"右边(&R)"_s, { 869, 284, 302, 72 }, 2),
        position(u"rb_top"_s, u"顶部(&T)"_s, { 485, 132, 297, 72 }, 1),
        position(u"rb_left"_s, u"左边(&L)"_s, { 105, 284, 293, 72 }, 0),
        rt::pushButton(
            u"cb_done"_s, u"关闭(&X)"_s, { 919, 716, 302, 92 }, { .font = font, .tabOrder = 30 }),
        rt::pushButton(
            u"cb_visible"_s, kHideText, { 914, 604, 302, 92 }, { .font = font, .tabOrder = 20 }),
        rt::checkBox(u"cbx_showtips"_s, u"显示提示(&P)"_s, { 69, 708, 439, 72 }, choice),
        rt::checkBox(u"cbx_showtext"_s, u"显示文字(&E)"_s, { 73, 600, 457, 72 }, choice),
        rt::groupBox(u"gb_1"_s, u"工具栏位置"_s, { 55, 44, 1157, 492 },
            { .font = font,
                .textColor = rt::colors::kWindowText,
                .backColor = rt::colors::kSilver,
                .tabOrder = 10 }),
    };
}

} // namespace

QString w_genapp_toolbars::className()
{
    return u"w_genapp_toolbars"_s;
}

w_genapp_toolbars::w_genapp_toolbars(QMainWindow *frame, QWidget *parent)
    : QDialog(parent)
    , m_frame(frame)
{
    rt::setUpWindow(this, toolbarWindow());

    // The radio buttons are not in the tab sequence: the builder keeps them
    // so when checked.
    const rt::ControlBuilder built(this, toolbarControls());
    m_positions = built.buttonGroup(kPositions);
    m_showText = built.get<QCheckBox>(u"cbx_showtext"_s);
    m_showTips = built.get<QCheckBox>(u"cbx_showtips"_s);
    m_visibleButton = built.get<QPushButton>(u"cb_visible"_s);
    auto *done = built.get<QPushButton>(u"cb_done"_s);
    // Enter clicks the visibility button.
    m_visibleButton->setDefault(true);

    // idClicked comes on every click, also on the button already checked.
    connect(m_positions, &QButtonGroup::idClicked, this, &w_genapp_toolbars::setAlignment);
    connect(m_visibleButton, &QPushButton::clicked, this, &w_genapp_toolbars::toggleToolbarShown);
    connect(m_showTips, &QCheckBox::clicked, this, &w_genapp_toolbars::setTipsFromBox);
    connect(m_showText, &QCheckBox::clicked, this, &w_genapp_toolbars::setTextFromBox);
    connect(done, &QPushButton::clicked, this, &QWidget::close);
}

void w_genapp_toolbars::showEvent(QShowEvent *event)
{
    if (!m_opened) {
        m_opened = true;
        ue_open();
    }
    QDialog::showEvent(event);
}

void w_genapp_toolbars::ue_open()
{
    // Without a frame there is no position or visibility to show; the
    // boxes for the application's switches still are.
    if (m_frame) {
        if (QAbstractButton *matching = m_positions->button(ui::toolbarAlignment(*m_frame)))
            matching->setChecked(true);
        m_visibleButton->setText(ui::toolbarVisible(*m_frame) ? kHideText : kShowText);
    }
    m_showText->setChecked(ui::toolbarSwitches().text);
    m_showTips->setChecked(ui::toolbarSwitches().tips);
}

void w_genapp_toolbars::setAlignment(int code)
{
    if (m_frame)
        ui::setToolbarAlignment(*m_frame, code);
}

void w_genapp_toolbars::toggleToolbarShown()
{
    if (!m_frame)
        return;
    // Decides by its own caption, not by asking the toolbar again.
    if (m_visibleButton->text() == kHideText) {
        ui::setToolbarVisible(*m_frame, false);
        m_visibleButton->setText(kShowText);
    } else {
        ui::setToolbarVisible(*m_frame, true);
        m_visibleButton->setText(kHideText);
    }
}

void w_genapp_toolbars::setTipsFromBox()
{
    ui::toolbarSwitches().tips = m_showTips->isChecked();
}

void w_genapp_toolbars::setTextFromBox()
{
    if (const auto &util = ui::guo_toolbarutil())
        util->of_toolbarshowtext(m_showText->isChecked());
}

} // namespace ui
