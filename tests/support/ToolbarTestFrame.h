#pragma once

#include "ui/FrameToolBar.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QPixmap>
#include <QPointer>
#include <QStatusBar>
#include <QToolButton>

#include <vector>

namespace support {

// A small stand-in for the program's frame: a QMainWindow with a QMdiArea,
// an optional status bar and a frame toolbar of three buttons in two
// groups. The frame is deleted with the fixture unless a test deleted it.
class ToolbarTestFrame
{
public:
    struct Options
    {
        QString toolbarClass = QStringLiteral("FNFIXEDBAR80");
        bool withToolbar = true;
        bool withStatusBar = true;
    };

    ToolbarTestFrame()
        : ToolbarTestFrame(Options())
    { }

    explicit ToolbarTestFrame(const Options &options)
        : frame(new QMainWindow)
    {
        frame->setObjectName(QStringLiteral("w_main1"));
        frame->setCentralWidget(new QMdiArea);
        frame->resize(800, 600);
        if (options.withStatusBar)
            frame->setStatusBar(new QStatusBar);
        if (options.withToolbar) {
            toolbar = new ui::FrameToolBar(options.toolbarClass, frame);
            frame->addToolBar(Qt::TopToolBarArea, toolbar);
            addButton(QStringLiteral("初一项目"));
            addButton(QStringLiteral("初一成绩"));
            separator = toolbar->addSeparator();
            addButton(QStringLiteral("退出系统"));
        }
    }

    ~ToolbarTestFrame() { delete frame.data(); }
    ToolbarTestFrame(const ToolbarTestFrame &) = delete;
    ToolbarTestFrame &operator=(const ToolbarTestFrame &) = delete;

    QToolButton *button(int index) const
    {
        return qobject_cast<QToolButton *>(toolbar->widgetForAction(buttons.at(index)));
    }

    QPointer<QMainWindow> frame;
    QPointer<ui::FrameToolBar> toolbar;
    std::vector<QAction *> buttons;
    QAction *separator = nullptr;

private:
    void addButton(const QString &caption)
    {
        QPixmap picture(32, 32);
        picture.fill(Qt::darkCyan);
        buttons.push_back(toolbar->addAction(QIcon(picture), caption));
    }
};

} // namespace support
