#include "ui/FrameToolBar.h"

#include "ui/HostEnvironment.h"
#include "ui/ToolbarGlobals.h"

#include <QAction>
#include <QActionEvent>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QToolButton>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace ui {

namespace {
QString runningHostClassName()
{
    Environment environment;
    if (!hostEnvironment().getEnvironment(environment))
        environment.majorVersion = DefaultHostEnvironment::kMajorVersion;
    return FrameToolBar::classNameForVersion(environment.majorVersion);
}
} // namespace

FrameToolBar::FrameToolBar(QWidget *parent)
    : FrameToolBar(runningHostClassName(), parent)
{ }

FrameToolBar::FrameToolBar(const QString &windowClassName, QWidget *parent)
    : QToolBar(parent)
    , m_windowClassName(windowClassName)
{
    setObjectName(u"frameToolBar"_s);
    setIconSize(QSize(kDefaultIconSize, kDefaultIconSize));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setUserControl(toolbarSwitches().userControl);
}

QString FrameToolBar::classNameForVersion(int majorVersion)
{
    return u"FNFIXEDBAR%1"_s.arg(majorVersion * 10);
}

void FrameToolBar::setButtonTextFont(const QString &face, int size, const QString &extentText)
{
    QFont textFont = font();
    textFont.setFamilies({ face });
    if (size < 0)
        textFont.setPointSize(-size);
    else if (size > 0)
        textFont.setPixelSize(size);
    setFont(textFont);
    m_extentText = extentText;
    applyButtonSizes();
}

void FrameToolBar::setTextShown(bool show)
{
    setToolButtonStyle(show ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    if (!show) {
        m_separatorsShown = false;
        applySeparators();
    }
    applyButtonSizes();
}

void FrameToolBar::showSeparators()
{
    m_separatorsShown = true;
    applySeparators();
}

void FrameToolBar::layOutForIconSize(int size)
{
    if (size <= 0)
        return;
    setIconSize(QSize(size, size));
    m_faceIconSize = size;
    applyButtonSizes();
}

void FrameToolBar::setUserControl(bool on)
{
    m_userControl = on;
    setMovable(on);
    setFloatable(on);
    // The frame's own context menu lists the toolbar's view action; without
    // user control neither that menu nor the action is offered.
    setContextMenuPolicy(on ? Qt::DefaultContextMenu : Qt::PreventContextMenu);
    toggleViewAction()->setVisible(on);
    toggleViewAction()->setEnabled(on);
}

void FrameToolBar::actionEvent(QActionEvent *event)
{
    QToolBar::actionEvent(event);
    if (event->type() != QEvent::ActionAdded)
        return;
    QAction *action = event->action();
    if (action->isSeparator()) {
        action->setVisible(m_separatorsShown);
        return;
    }
    if (QWidget *button = widgetForAction(action)) {
        button->installEventFilter(this);
        applyButtonSizes();
    }
}

bool FrameToolBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && !toolbarSwitches().tips) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QToolBar::eventFilter(watched, event);
}

void FrameToolBar::applyButtonSizes()
{
    int minimumWidth = 0;
    int minimumHeight = 0;
    if (m_faceIconSize > 0) {
        minimumWidth = m_faceIconSize + 7;
        minimumHeight = m_faceIconSize + 6;
    }
    if (isTextShown() && !m_extentText.isEmpty()) {
        const int extent = QFontMetrics(font()).horizontalAdvance(m_extentText) + 6;
        minimumWidth = std::max(minimumWidth, extent);
    }
    const auto allActions = actions();
    for (QAction *action : allActions) {
        if (action->isSeparator())
            continue;
        if (auto *button = qobject_cast<QToolButton *>(widgetForAction(action)))
            button->setMinimumSize(minimumWidth, minimumHeight);
    }
}

void FrameToolBar::applySeparators()
{
    const auto allActions = actions();
    for (QAction *action : allActions) {
        if (action->isSeparator())
            action->setVisible(m_separatorsShown);
    }
}

} // namespace ui
