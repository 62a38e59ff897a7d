#include "shell/w_pwd.h"

#include "runtime/LayoutUnits.h"
#include "controls/PictureCommandButton.h"
#include "runtime/StockImages.h"
#include "runtime/SystemColors.h"
#include "ui/ToolbarGlobals.h"
#include "ui/ToolbarUtilVariants.h"
#include "shell/w_main1.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {
QFont songti(int points, bool bold)
{
    QFont font;
    font.setFamilies({ QStringLiteral("宋体"), QStringLiteral("SimSun"),
                       QStringLiteral("WenQuanYi Zen Hei") });
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

struct TextControl
{
    const char *name;
    int x, y, width, height;
    const char *text;
    int points;
    bool bold;
    long color;
};

// The greeting's texts, positions in layout units.
const TextControl kTexts[] = {
    { "st_2", 114, 92, 517, 92, "欢迎使用", 16, true, rt::colors::rgb(255, 0, 255) },
    { "st_3", 795, 132, 265, 60, "（初中）", 10, true, rt::colors::rgb(0, 255, 0) },
    { "st_1", 114, 228, 960, 84, "Kelvaro", 12, true, rt::colors::rgb(0, 0, 255) },
};
} // namespace

w_pwd::w_pwd(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("w_pwd"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("登录管理系统....."));
    setWindowIcon(rt::stock::icon(QStringLiteral("OleGenReg!")));
    resize(rt::units::toPixels(QSize(1682, 612)));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, rt::colors::fromCode(rt::colors::kButtonFace));
    setPalette(pal);
    setAutoFillBackground(true);

    auto *gb_1 = new QGroupBox(this);
    gb_1->setObjectName(QStringLiteral("gb_1"));
    gb_1->setGeometry(rt::units::rect(55, 20, 1047, 392));
    gb_1->setFont(songti(16, false));
    gb_1->setFocusPolicy(Qt::NoFocus);

    for (const TextControl &t : kTexts) {
        auto *label = new QLabel(QString::fromUtf8(t.text), this);
        label->setObjectName(QString::fromLatin1(t.name));
        label->setGeometry(rt::units::rect(t.x, t.y, t.width, t.height));
        label->setFont(songti(t.points, t.bold));
        QPalette lp = label->palette();
        lp.setColor(QPalette::WindowText, rt::colors::fromCode(t.color));
        label->setPalette(lp);
    }

    pfc_picture_command_button::Declaration enter;
    enter.buttontext = QStringLiteral("登录(&L)");
    enter.bitmapname = QStringLiteral("Custom079!");
    enter.x = 1143;
    enter.y = 180;
    enter.width = 361;
    m_enter = new pfc_picture_command_button(enter, this);
    m_enter->setObjectName(QStringLiteral("uo_3"));

    pfc_picture_command_button::Declaration exit = enter;
    exit.buttontext = QStringLiteral("退出(&X)");
    exit.bitmapname = QStringLiteral("Exit!");
    exit.y = 312;
    m_exit = new pfc_picture_command_button(exit, this);
    m_exit->setObjectName(QStringLiteral("uo_4"));

    // Tab order: the enter button first, so it has the focus on opening.
    setTabOrder(m_enter->command_button(), m_exit->command_button());
    m_enter->command_button()->setFocus();

    connect(m_enter, &pfc_picture_command_button::clicked, this, &w_pwd::enter);
    connect(m_exit, &pfc_picture_command_button::clicked, this, &QWidget::close);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void w_pwd::enter()
{
    auto *frame = new w_main1;
    frame->showMaximized();

    std::unique_ptr<uo_toolbarutil> &util = ui::toolbarUtil();
    f_create_toolbarutil(util);
    // A host version without a toolbar utility leaves the global empty: the
    // toolbar then keeps the look it was made with.
    if (util && util->of_inittoolbar(frame, 24)) {
        util->of_settoolbarfont(QStringLiteral("Courier New"), -11, QStringLiteral("12345"));
        util->of_toolbarshowtext(true);
    }
    close();
}
