#include "ui/w_genapp_toolbars.h"

#include "runtime/LayoutUnits.h"
#include "runtime/SystemColors.h"
#include "ui/ToolbarGlobals.h"
#include "ui/ToolbarPlacement.h"
#include "runtime/Windows.h"
#include "ui/uo_toolbarutil.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <array>

namespace {

constexpr long kDialogBack = 12632256; // RGB(192, 192, 192)
constexpr long kLabelText = 134217729;

const QString kHideText = QStringLiteral("隐藏(&H)");
const QString kShowText = QStringLiteral("显示(&D)");

struct ControlSpec
{
    const char16_t *name;
    const char16_t *text;
    int x, y, width, height;
    bool bold;
};

// Positions and sizes in layout units.
constexpr ControlSpec kGroup { u"gb_1", u"工具栏位置", 55, 44, 1157, 492, false };

// Radio buttons in the order of their position codes 0 to 4.
constexpr std::array<ControlSpec, 5> kPositions { {
    { u"rb_left", u"左边(&L)", 105, 284, 293, 72, true },
    { u"rb_top", u"顶部(&T)", 485, 132, 297, 72, true },
    { u"rb_right", u"右边(&R)", 869, 284, 302, 72, true },
    { u"rb_bottom", u"底部(&B)", 485, 424, 297, 72, true },
    { u"rb_floating", u"浮动(&F)", 485, 284, 293, 72, true },
} };

constexpr ControlSpec kShowTextBox { u"cbx_showtext", u"显示文字(&E)", 73, 600, 457, 72, true };
constexpr ControlSpec kShowTipsBox { u"cbx_showtips", u"显示提示(&P)", 69, 708, 439, 72, true };
constexpr ControlSpec kVisibleButton { u"cb_visible", u"隐藏(&H)", 914, 604, 302, 92, false };
constexpr ControlSpec kDoneButton { u"cb_done", u"关闭(&X)", 919, 716, 302, 92, false };

QFont controlFont(bool bold)
{
    QFont font;
    font.setFamilies({ QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                       QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Zen Hei") });
    font.setPointSize(8);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

void colour(QWidget *widget, long text, long back)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, rt::colors::fromCode(text));
    palette.setColor(QPalette::Window, rt::colors::fromCode(back));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

template<typename Control>
Control *make(QWidget *parent, const ControlSpec &spec)
{
    auto *control = new Control(QString::fromUtf16(spec.text), parent);
    control->setObjectName(QString::fromUtf16(spec.name));
    control->setGeometry(rt::units::rect(spec.x, spec.y, spec.width, spec.height));
    control->setFont(controlFont(spec.bold));
    return control;
}

} // namespace

w_genapp_toolbars::w_genapp_toolbars(QMainWindow *frame, QWidget *parent)
    : QDialog(parent)
    , iw_window(frame)
{
    setObjectName(QStringLiteral("w_genapp_toolbars"));
    setWindowTitle(QStringLiteral("工具栏设置"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(rt::units::toPixels(QSize(1317, 988)));
    QPalette back = palette();
    back.setColor(QPalette::Window, rt::colors::fromCode(kDialogBack));
    setPalette(back);
    setAutoFillBackground(true);

    // The group box is only a frame drawn round the radio buttons, which
    // are the dialog's own children like every other control.
    gb_1 = make<QGroupBox>(this, kGroup);
    colour(gb_1, rt::colors::kWindowText, kDialogBack);

    m_positions = new QButtonGroup(this);
    m_positions->setExclusive(true);
    std::array<QRadioButton *, 5> radios {};
    for (int code = 0; code < 5; ++code) {
        radios[code] = make<QRadioButton>(this, kPositions[code]);
        colour(radios[code], kLabelText, kDialogBack);
        radios[code]->setFocusPolicy(Qt::ClickFocus);
        m_positions->addButton(radios[code], code);
    }
    rb_left = radios[0];
    rb_top = radios[1];
    rb_right = radios[2];
    rb_bottom = radios[3];
    rb_floating = radios[4];

    cbx_showtext = make<QCheckBox>(this, kShowTextBox);
    cbx_showtips = make<QCheckBox>(this, kShowTipsBox);
    for (QCheckBox *box : { cbx_showtext, cbx_showtips }) {
        colour(box, kLabelText, kDialogBack);
        box->setFocusPolicy(Qt::ClickFocus);
    }

    cb_visible = make<QPushButton>(this, kVisibleButton);
    cb_visible->setDefault(true);
    cb_done = make<QPushButton>(this, kDoneButton);
    cb_done->setAutoDefault(false);
    setTabOrder(cb_visible, cb_done);

    // idClicked comes on every click, also on the button already checked.
    connect(m_positions, &QButtonGroup::idClicked, this, &w_genapp_toolbars::setAlignment);
    connect(cb_visible, &QPushButton::clicked, this, &w_genapp_toolbars::cb_visible_clicked);
    connect(cbx_showtips, &QCheckBox::clicked, this, &w_genapp_toolbars::cbx_showtips_clicked);
    connect(cbx_showtext, &QCheckBox::clicked, this, &w_genapp_toolbars::cbx_showtext_clicked);
    connect(cb_done, &QPushButton::clicked, this, &QWidget::close);
}

void w_genapp_toolbars::showEvent(QShowEvent *event)
{
    if (!m_opened) {
        m_opened = true;
        const QWidget *over = parentWidget() ? parentWidget()->window() : nullptr;
        const QRect area = over ? over->frameGeometry()
                                : (QGuiApplication::primaryScreen()
                                       ? QGuiApplication::primaryScreen()->availableGeometry()
                                       : QRect());
        if (area.isValid())
            move(area.center() - rect().center());
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
