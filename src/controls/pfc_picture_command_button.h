#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>

namespace controls {

// The push button with a small picture at the left of its caption. The
// inner push button `command_button` carries the caption and the focus;
// the picture `uo_bitmap` lies over its left part and moves 3 layout units
// right and down while the button is held by the left mouse button or by
// Space. Down/Right move the focus on as Tab does, Up/Left as Shift+Tab,
// Enter clicks. Every click of the inner button is passed on as this
// control's own clicked(), posted, so a window's handling runs after the
// inner button's own handling has returned.
class pfc_picture_command_button : public QWidget
{
    Q_OBJECT

public:
    // The button text of an instance that declares none.
    static QString defaultButtonText();

    // The values a window declares on an instance, read once at construction.
    // Position and size are in layout units; buttonWidth/buttonHeight in pixels.
    struct Declaration
    {
        QString buttonText = defaultButtonText();
        QString bitmapName {};
        bool isDefault = false;
        int buttonWidth = 0;
        int buttonHeight = 0;
        int x = 0;
        int y = 0;
        int width = 329;
        int height = 100;
        bool enabled = true;
    };

    explicit pfc_picture_command_button(const Declaration &declaration, QWidget *parent = nullptr);

    // The inner push button (objectName "command_button").
    QPushButton *innerButton() const { return m_innerButton; }
    // The box that draws the picture over the inner button (objectName "uo_bitmap").
    QWidget *pictureBox() const { return m_pictureBox; }

    // Resizes the inner button to widthPixels x heightPixels and places the
    // picture at its resting place.
    void of_setresize(int widthPixels, int heightPixels);
    // Caption, picture and font from the declared values; a disabled
    // control disables its inner button as well.
    void of_setproperties();
    // Sets the inner button's enabled state only.
    void of_setenabled(bool enabled);
    // Nothing to release: the toolkit ends the inner button's mouse grab
    // itself when the button goes up.
    void of_releasemouse() { }

    // True when both the control and its inner button are enabled.
    bool isAvailable() const;
    // The inner button's own enabled flag, whatever the control's state.
    bool innerEnabledFlag() const;
    // Enables or disables the control and its inner button together, the
    // inner button first.
    void setAvailable(bool available);

    int buttonWidth() const { return m_declaration.buttonWidth; }
    int buttonHeight() const { return m_declaration.buttonHeight; }

    // The picture's resting place in layout units.
    QPoint restingPlace() const { return m_restingPlace; }
    // True from a left-button press on the inner button until its release.
    bool mouseHeld() const { return m_mouseHeld; }
    // True while Space holds the button (pressed while the mouse did not).
    bool spaceHeld() const { return m_spaceHeld; }
    // The picture's current place in layout units.
    QPoint picturePlace() const { return m_picturePlace; }
    bool pictureShown() const;

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void innerButtonResized(int newWidthUnits, int newHeightUnits);
    void innerButtonClicked();
    void movePictureTo(QPoint placeUnits);
    void toRestingPlace();
    void toPressedPlace();
    void placeCaption();
    bool handleKeyPress(class QKeyEvent *event);
    void handleKeyRelease(class QKeyEvent *event);
    void handleMouseMove(class QMouseEvent *event);

    Declaration m_declaration;
    QWidget *m_pictureBox = nullptr;
    QPushButton *m_innerButton = nullptr;
    QPoint m_restingPlace;
    QPoint m_picturePlace;
    bool m_mouseHeld = false;
    bool m_spaceHeld = false;
};

} // namespace controls
