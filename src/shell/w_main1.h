#pragma once

#include "shell/startpage/StartPage.h"

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>

class QToolBar;

namespace shell {

// The program's main window: a multiple-document frame with a menu, a
// toolbar, a status bar that shows the highlighted menu item's help text,
// and the start page in its client area.
class w_main1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit w_main1(QWidget *parent = nullptr);
    ~w_main1() override;

    // The one frame window while it is open (the global reference w_main1).
    static w_main1 *current();

    static QString frameTitle();

    // Outer size in layout units.
    int widthUnits() const;
    int heightUnits() const;

    // The client area (objectName "mdi_1"), the start page in it ("dw_main")
    // and the picture shown in the start page's place ("p_2").
    QMdiArea *mdiArea() const { return m_mdiArea; }
    shell::StartPage *startPage() const { return m_startPage; }
    QLabel *background() const { return m_background; }
    QToolBar *frameToolBar() const { return m_toolBar; }

    // The name of the start-page picture now raised under the pointer,
    // empty when none. Only the start page's hover and click rules change it.
    QString focusPicture() const { return m_focusPicture; }
    void setFocusPicture(const QString &name) { m_focusPicture = name; }

    // Places the start page centred in the frame, never left of x 0 and
    // never above y 220 (layout units); returns the position it chose.
    static QPoint centredStartPagePosition(
        int frameWidth, int frameHeight, int pageWidth, int pageHeight);

    // Moves the start page by the centring rule. Runs whenever the client
    // area may have moved or changed size: after the first layout, on every
    // resize of the frame and whenever the toolbar changes (its text turned
    // on or off, its icons resized, the toolbar moved, hidden or shown).
    void placeStartPage();

    // Opens the window class `className` modally with the frame as its
    // parent; tells the user when no class has that name.
    void openWindowClass(const QString &className);
    // Tells the user that the window to be opened does not exist.
    void showMissingWindow();

    // The value of `key` in the tag of the start-page object `name`.
    QString of_gettagstring(
        const QString &name, const QString &key, const QString &defaultValue) const;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open();

    QMdiArea *m_mdiArea = nullptr;
    shell::StartPage *m_startPage = nullptr;
    QLabel *m_background = nullptr;
    QToolBar *m_toolBar = nullptr;
    bool m_opened = false;
    QString m_focusPicture;
};

} // namespace shell
