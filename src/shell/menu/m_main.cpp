#include "shell/menu/m_main.h"

#include "runtime/LayoutUnits.h"
#include "runtime/StockImages.h"
#include "runtime/WindowRegistry.h"
#include "runtime/Windows.h"
#include "shell/Application.h"
#include "shell/w_about.h"
#include "shell/w_main1.h"
#include "shell/w_pwd.h"
#include "ui/w_genapp_toolbars.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace shell {

m_main::m_main(w_main1 *frame)
    : QObject(frame)
    , m_frame(frame)
{
    setObjectName(u"m_main"_s);
    QMenu *file = addMenu(nullptr, u"m_file"_s, u"系统管理(&S)"_s);
    QAction *toolbars = addItem(file, u"m_工具栏设置b"_s, u"工具栏设置(&B)"_s, u"工具栏设置(&B)"_s);
    connect(toolbars, &QAction::triggered, this, &m_main::openToolbarSettings);
    addSeparator(file, u"m_-34"_s);
    QAction *relogin = addItem(file, u"m_重新登录"_s, u"重新登录\tAlt+I"_s, u"重新登录[Alt+I]"_s,
        { u"RunSCC!"_s, u"重新登录"_s, 8, 2 });
    relogin->setShortcut(QKeySequence(Qt::ALT | Qt::Key_I));
    connect(relogin, &QAction::triggered, this, &m_main::logInAgain);
    addSeparator(file, u"m_-2"_s);
    QAction *exit = addItem(file, u"m_退出系统"_s, u"退出系统\tAlt+X"_s, u"退出系统[Alt+X]"_s,
        { u"Exit!"_s, u"退出系统"_s, 9, 2 });
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    connect(exit, &QAction::triggered, this, &m_main::closeFrame);

    // Items that open a window class by its name.
    auto opens = [this](QAction *action, const QString &className) {
        connect(action, &QAction::triggered, this,
            [this, className] { m_frame->openWindowClass(className); });
    };

    QMenu *settings = addMenu(nullptr, u"m_项目设置"_s, u"项目设置"_s);
    QMenu *settingsJunior = addMenu(settings, u"m_初中0"_s, u"初中"_s);
    opens(addItem(settingsJunior, u"m_初一"_s, u"初一项目"_s, u"初一项目设置"_s,
              { u"FullBuild!"_s, u"初一项目"_s, 1, 0 }),
        u"w_xm_cz1"_s);
    opens(addItem(settingsJunior, u"m_初二"_s, u"初二项目"_s, u"初二项目设置"_s,
              { u"FullBuild!"_s, u"初二项目"_s, 3, 2 }),
        u"w_xm_cz2"_s);
    opens(addItem(settingsJunior, u"m_初三"_s, u"初三项目"_s, u"初三项目设置"_s,
              { u"FullBuild!"_s, u"初三项目"_s, 5, 2 }),
        u"w_xm_cz3"_s);

    QMenu *scores = addMenu(nullptr, u"m_成绩计算"_s, u"成绩计算"_s);
    QMenu *scoresJunior = addMenu(scores, u"m_初中"_s, u"初中"_s);
    opens(addItem(scoresJunior, u"m_1"_s, u"初一成绩计算"_s, u"初一成绩计算"_s,
              { u"Properties!"_s, u"初一成绩"_s, 2, 0 }),
        u"w_jsq_cz1"_s);
    opens(addItem(scoresJunior, u"m_2"_s, u"初二成绩计算"_s, u"初二成绩计算"_s,
              { u"Properties!"_s, u"初二成绩"_s, 4, 0 }),
        u"w_jsq_cz2"_s);
    opens(addItem(scoresJunior, u"m_3"_s, u"初三成绩计算"_s, u"初三成绩计算"_s,
              { u"Properties!"_s, u"初三成绩"_s, 6, 0 }),
        u"w_jsq_cz3"_s);
    addSeparator(scoresJunior, u"m_-8"_s);
    opens(addItem(scoresJunior, u"m_毕业成绩"_s, u"毕业成绩计算"_s, u"初中毕业成绩"_s,
              { u"EditObject!"_s, u"毕业成绩"_s, 7, 2 }),
        u"w_jsq_by"_s);

    QMenu *tools = addMenu(nullptr, u"m_工具"_s, u"工具"_s);
    QAction *calculator = addItem(tools, u"m_计算器"_s, u"计算器"_s, u"计算器"_s);
    connect(calculator, &QAction::triggered, this, &m_main::openDeskCalculator);

    // A command directly on the menu bar, without a drop-down.
    QAction *navigation = addItem(nullptr, u"m_导航"_s, u"导航"_s, {});
    connect(navigation, &QAction::triggered, this, &m_main::toggleNavigation);

    QMenu *help = addMenu(nullptr, u"m_帮助"_s, u"帮助"_s);
    QAction *about = addItem(help, u"m_关于"_s, u"技术支持"_s, {});
    connect(about, &QAction::triggered, this, &m_main::openAbout);

    // The greyed version label, last on the menu bar.
    QAction *version = addItem(nullptr, u"m_0"_s, u"Version 3.0 Build 0101"_s, {});
    version->setEnabled(false);

    buildToolbar();
    frame->installEventFilter(this);
}

QMenu *m_main::addMenu(QMenu *parentMenu, const QString &name, const QString &text)
{
    QMenu *menu = parentMenu ? parentMenu->addMenu(text) : m_frame->menuBar()->addMenu(text);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction *m_main::addItem(QMenu *menu, const QString &name, const QString &text,
    const QString &microhelp, const ToolbarButton &button)
{
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    action->setStatusTip(microhelp);
    if (!button.picture.isEmpty()) {
        action->setIcon(rt::stock::icon(button.picture));
        action->setIconVisibleInMenu(false);
        action->setIconText(button.text);
        action->setToolTip(button.text);
        m_buttons.push_back({ action, button });
    }
    if (menu)
        menu->addAction(action);
    else
        m_frame->menuBar()->addAction(action);
    // Shortcuts act while the frame is active, without opening the drop-down.
    m_frame->addAction(action);
    return action;
}

void m_main::addSeparator(QMenu *menu, const QString &name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(name);
}

void m_main::buildToolbar()
{
    std::stable_sort(
        m_buttons.begin(), m_buttons.end(), [](const PendingButton &a, const PendingButton &b) {
            return a.button.order < b.button.order;
        });
    QToolBar *toolBar = m_frame->frameToolBar();
    // The toolbar user control is off: the user cannot move, float or hide
    // the toolbar by the window system's own means (handle, context menu);
    // it changes only through the program.
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_frame->menuBar()->setContextMenuPolicy(Qt::PreventContextMenu);
    bool first = true;
    for (const PendingButton &pending : m_buttons) {
        // A space before a button leaves a gap, drawn as a separator.
        if (pending.button.space > 0 && !first)
            toolBar->addSeparator();
        toolBar->addAction(pending.action);
        first = false;
    }
}

void m_main::openToolbarSettings()
{
    // The dialog takes the frame from the message object when it opens.
    rt::message().objectParameter = m_frame;
    QWidget *dialog
        = rt::WindowRegistry::instance().create(ui::w_genapp_toolbars::className(), m_frame);
    if (!dialog) {
        m_frame->showMissingWindow();
        return;
    }
    rt::windows::openModalWithParameter(dialog, m_frame);
}

void m_main::logInAgain()
{
    // The start window opens first, so that a window stays open and the
    // program goes on while the frame closes.
    QWidget *startWindow = rt::WindowRegistry::instance().create(w_pwd::className(), nullptr);
    rt::windows::openOrdinary(startWindow);
    m_frame->close();
}

void m_main::closeFrame()
{
    m_frame->close();
}

void m_main::toggleNavigation()
{
    shell::Application &app = shell::Application::instance();
    shell::StartPage *page = m_frame->startPage();
    QLabel *picture = m_frame->background();
    if (!app.button_flag) {
        page->setVisible(true);
        picture->setVisible(false);
        app.button_flag = true;
        return;
    }
    page->setVisible(false);
    // x 0, y 210 of the client area, as wide as the frame and 515 units
    // lower; a frame lower than 515 units gives an empty picture.
    const int width = m_frame->widthUnits();
    const int height = std::max(m_frame->heightUnits() - 515, 0);
    const QWidget *viewport = m_frame->mdiArea()->viewport();
    const QPoint origin = viewport->mapFrom(m_frame, QPoint(0, m_frame->menuBar()->height()));
    QPoint topLeft = origin + rt::units::toPixels(QPoint(0, 210));
    topLeft.setY(std::max(topLeft.y(), 0));
    picture->setGeometry(QRect(topLeft, rt::units::toPixels(QSize(width, height))));
    picture->setVisible(true);
    app.button_flag = false;
}

void m_main::openDeskCalculator()
{
    QWidget *calculator = rt::WindowRegistry::instance().create(u"w_4"_s, nullptr);
    if (!calculator) {
        m_frame->showMissingWindow();
        return;
    }
    rt::windows::openOrdinary(calculator);
}

void m_main::openAbout()
{
    rt::windows::openModal(new w_about(m_frame));
}

bool m_main::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_frame && event->type() == QEvent::StatusTip) {
        const auto *tip = static_cast<QStatusTipEvent *>(event);
        if (tip->tip().isEmpty()) {
            m_frame->statusBar()->showMessage(shell::Application::microhelpDefault());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace shell
