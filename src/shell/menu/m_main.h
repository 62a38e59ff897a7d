#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QAction;
class QMenu;

namespace shell {

class w_main1;

// The frame's main menu: the item tree on the frame's menu bar, one action
// per item shared by the menu and the toolbar, the help texts that the
// status bar shows while an item is highlighted, and the items' handlers.
class m_main : public QObject
{
    Q_OBJECT

public:
    // Builds the menu bar and the toolbar buttons of `frame`.
    explicit m_main(w_main1 *frame);

    // The handlers of the items that do more than open a window class.
    void openToolbarSettings();
    void logInAgain();
    void closeFrame();
    void toggleNavigation();
    void openDeskCalculator();
    void openAbout();

protected:
    // Shows the default status-bar text when no highlighted item has a help text.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct ToolbarButton
    {
        QString picture;
        QString text;
        int order;
        int space;
    };

    QMenu *addMenu(QMenu *parentMenu, const QString &name, const QString &text);
    QAction *addItem(QMenu *menu, const QString &name, const QString &text,
        const QString &microhelp, const ToolbarButton &button = {});
    void addSeparator(QMenu *menu, const QString &name);
    void buildToolbar();

    w_main1 *m_frame;
    struct PendingButton
    {
        QAction *action;
        ToolbarButton button;
    };
    std::vector<PendingButton> m_buttons;
};

} // namespace shell
