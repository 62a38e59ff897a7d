#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QWidget>

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
    // Position and size are in layout units; buttonwidth/buttonheight in pixels.
    struct Declaration
    {
        QString buttontext = defaultButtonText();
        QString bitmapname {};
        bool isDefault = false;
        bool isCancel = false;
        int buttonwidth = 0;
        int buttonheight = 0;
        int x = 0;
        int y = 0;
        int width = 329;
        int height = 100;
        bool enabled = true;
    };

    explicit pfc_picture_command_button(const Declaration &declaration, QWidget *parent = nullptr);

    QPushButton *command_button() const { return m_button; }
    QWidget *uo_bitmap() const { return m_bitmap; }

    // Resizes the inner button to is_width x is_height pixels and places
    // the picture at its resting place.
    void of_setresize(int is_width, int is_height);
    // Caption, picture and font from the declared values; a disabled
    // control disables its inner button as well.
    void of_setproperties();
    // Sets the inner button's enabled state only.
    void of_setenabled(bool is_enabled);
    void of_releasemouse() { }

    // True when both the control and its inner button are enabled.
    bool isAvailable() const;
    // The inner button's own enabled flag, whatever the control's state.
    bool innerEnabledFlag() const;
    // Enables or disables the control and its inner button together, the
    // inner button first.
    void setAvailable(bool available);

    int buttonwidth() const { return m_declaration.buttonwidth; }
    int buttonheight() const { return m_declaration.buttonheight; }
    const QString &buttontext() const { return m_declaration.buttontext; }
    const QString &bitmapname() const { return m_declaration.bitmapname; }

    // The picture's resting place in layout units.
    int il_picx() const { return m_picX; }
    int il_picy() const { return m_picY; }
    bool lb_inbounds() const { return m_inBounds; }
    bool lb_keyboard() const { return m_keyboard; }
    // The picture's current place in layout units.
    QPoint picturePlace() const { return m_place; }
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
    QWidget *m_bitmap = nullptr;
    QPushButton *m_button = nullptr;
    int m_picX = 0;
    int m_picY = 0;
    QPoint m_place;
    bool m_inBounds = false;
    bool m_keyboard = false;
};
