#pragma once

#include "shell/startpage/StartPage.h"

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>

class QToolBar;

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

    QMdiArea *mdi_1() const { return m_mdi; }
    shell::StartPage *dw_main() const { return m_startPage; }
    QLabel *p_2() const { return m_background; }
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

    // The value of `key` in the tag of the start-page object `name`.
    QString of_gettagstring(
        const QString &name, const QString &key, const QString &defaultValue) const;
    // Runs when the start page is clicked: opens what the raised picture names.
    void ue_run();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open();

    QMdiArea *m_mdi = nullptr;
    shell::StartPage *m_startPage = nullptr;
    QLabel *m_background = nullptr;
    QToolBar *m_toolBar = nullptr;
    bool m_opened = false;
    QString m_focusPicture;
};
