#pragma once

#include <QString>
#include <QToolBar>

namespace ui {

// The frame window's docked toolbar. It carries the window class name by
// which the toolbar utility finds it under the frame ("FNFIXEDBAR80" for
// the version 8 host), and offers the operations the utility drives:
// the font of the button texts, text under the icons, the separators and
// the layout for an icon size.
//
// Tips follow the application-wide switch ui::toolbarSwitches().tips at the
// moment a tip would show.
class FrameToolBar : public QToolBar
{
    Q_OBJECT
    Q_PROPERTY(QString windowClassName READ windowClassName CONSTANT)

public:
    // The icon size the toolbar starts with, before any utility lays it out.
    static constexpr int kDefaultIconSize = 16;

    // A toolbar with the class name of the running host's toolbar window.
    explicit FrameToolBar(QWidget *parent = nullptr);
    FrameToolBar(const QString &windowClassName, QWidget *parent);

    // "FNFIXEDBAR60", "FNFIXEDBAR70", "FNFIXEDBAR80" for the versions 6 to 8.
    static QString classNameForVersion(int majorVersion);

    QString windowClassName() const { return m_windowClassName; }

    // Sets the font of the button texts. A negative size is in points (-11
    // is 11 points), a positive one in pixels, 0 keeps the present size.
    // Every button that shows its text is at least as wide as
    // `extentText` in that font.
    void setButtonTextFont(const QString &face, int size, const QString &extentText);
    QString extentText() const { return m_extentText; }

    // Text under the icons (on) or icons only (off). The separators show
    // from the start; turning the text off lays the buttons out close
    // together, without them, until showSeparators() brings them back.
    void setTextShown(bool show);
    bool isTextShown() const { return toolButtonStyle() == Qt::ToolButtonTextUnderIcon; }

    // Shows the separators between button groups.
    void showSeparators();
    bool separatorsShown() const { return m_separatorsShown; }

    // Lays the buttons out for `size`-pixel icons: each button face is
    // size + 7 wide and size + 6 high at least.
    void layOutForIconSize(int size);

    // Off: the toolbar cannot be moved, floated or hidden by the user
    // (no handle, no context menu); only the program changes it.
    void setUserControl(bool on);
    bool userControl() const { return m_userControl; }

protected:
    void actionEvent(QActionEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyButtonSizes();
    void applySeparators();

    QString m_windowClassName;
    QString m_extentText;
    bool m_separatorsShown = true;
    bool m_userControl = true;
    int m_faceIconSize = 0;
};

} // namespace ui
