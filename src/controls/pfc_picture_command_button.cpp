#include "controls/pfc_picture_command_button.h"

#include "controls/PictureButtonFace.h"
#include "controls/PictureButtonRules.h"
#include "runtime/LayoutUnits.h"
#include "runtime/StockImages.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowStyle.h"
#include "runtime/Windows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace {

// The picture box: draws its one picture at its top-left corner. It is
// disabled and transparent for the mouse, so presses reach the button
// below it, and its picture looks the same whatever the enabled state.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

    void setPicture(const QPixmap &pixmap)
    {
        m_pixmap = pixmap;
        update();
    }
    void clearPicture()
    {
        m_pixmap = QPixmap();
        update();
    }
    bool hasPicture() const { return !m_pixmap.isNull(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (m_pixmap.isNull())
            return;
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_pixmap);
    }

private:
    QPixmap m_pixmap;
};

QFont buttonFont()
{
    return rt::style::toQFont({ .face = rt::faces::kSongTi.toString() });
}

// Sends Tab (or Shift+Tab) to whichever widget has the focus when it runs,
// as a key typed by the user would go.
void sendTabToFocus(bool forward)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return;
    QKeyEvent press(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
        forward ? Qt::NoModifier : Qt::ShiftModifier);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, forward ? Qt::Key_Tab : Qt::Key_Backtab,
        forward ? Qt::NoModifier : Qt::ShiftModifier);
    QCoreApplication::sendEvent(target, &release);
}

} // namespace

QString pfc_picture_command_button::defaultButtonText()
{
    return u"None"_s;
}

pfc_picture_command_button::pfc_picture_command_button(
    const Declaration &declaration, QWidget *parent)
    : QWidget(parent)
    , m_declaration(declaration)
{
    setObjectName(u"pfc_picture_command_button"_s);
    setGeometry(
        rt::units::rect(declaration.x, declaration.y, declaration.width, declaration.height));
    setAutoFillBackground(false);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, rt::colors::fromCode(rt::colors::kButtonFace));
    setPalette(pal);

    // Children in creation order: the picture box, then the inner button.
    auto *bitmap = new PictureBox(this);
    bitmap->setObjectName(u"uo_bitmap"_s);
    bitmap->resize(rt::units::toPixels(QSize(69, 60)));
    bitmap->setEnabled(false);
    m_bitmap = bitmap;

    m_button = new controls::PictureButtonFace(this);
    m_button->setObjectName(u"command_button"_s);
    m_button->setGeometry(rt::units::rect(0, 0, 329, 100));
    m_button->setFont(buttonFont());
    m_button->setAutoDefault(false);
    m_button->installEventFilter(this);
    m_button->setMouseTracking(true);
    setFocusProxy(m_button);
    // The picture lies over the button's face.
    m_bitmap->raise();

    connect(m_button, &QPushButton::clicked, this, &pfc_picture_command_button::innerButtonClicked);

    if (!declaration.enabled)
        setEnabled(false);

    // Construction: both children to (0, 0), the flags, the size, the face.
    m_button->move(0, 0);
    m_bitmap->move(0, 0);
    // The cancel flag has no counterpart on a push button: Esc handling is
    // the window's own. The default flag is copied.
    m_button->setDefault(m_declaration.isDefault);
    if (m_declaration.buttonwidth == 0 || m_declaration.buttonheight == 0) {
        m_declaration.buttonwidth = rt::units::toPixelsX(declaration.width);
        m_declaration.buttonheight = rt::units::toPixelsY(declaration.height);
    }
    of_setresize(m_declaration.buttonwidth, m_declaration.buttonheight);
    of_setproperties();
}

void pfc_picture_command_button::of_setresize(int is_width, int is_height)
{
    const int widthUnits = rt::units::fromPixelsX(is_width);
    const int heightUnits = rt::units::fromPixelsY(is_height);
    m_button->resize(rt::units::toPixels(QSize(widthUnits, heightUnits)));
    innerButtonResized(widthUnits, heightUnits);
}

void pfc_picture_command_button::of_setproperties()
{
    auto *bitmap = static_cast<PictureBox *>(m_bitmap);
    const bool withPicture = controls::picture_button::bitmapQualifies(m_declaration.bitmapname);
    m_button->setText(controls::picture_button::captionFor(m_declaration.buttontext, withPicture));
    if (withPicture) {
        const QSize box = m_bitmap->size();
        const int side = std::min(box.width(), box.height());
        // A picture that cannot be loaded leaves the box empty; the caption
        // keeps its leading blanks.
        bitmap->setPicture(rt::stock::pictureOrResource(m_declaration.bitmapname, side));
        m_bitmap->show();
    } else {
        bitmap->clearPicture();
        m_bitmap->hide();
    }
    QFont font = buttonFont();
    font.setPixelSize(12);
    m_button->setFont(font);
    placeCaption();
    if (!isEnabled())
        m_button->setEnabled(false);
}

void pfc_picture_command_button::of_setenabled(bool is_enabled)
{
    m_button->setEnabled(is_enabled);
}

bool pfc_picture_command_button::isAvailable() const
{
    return isEnabled() && innerEnabledFlag();
}

bool pfc_picture_command_button::innerEnabledFlag() const
{
    return !m_button->testAttribute(Qt::WA_ForceDisabled);
}

void pfc_picture_command_button::setAvailable(bool available)
{
    m_button->setEnabled(available);
    setEnabled(available);
}

bool pfc_picture_command_button::pictureShown() const
{
    return !m_bitmap->isHidden();
}

void pfc_picture_command_button::innerButtonResized(int newWidthUnits, int newHeightUnits)
{
    const QPoint place = controls::picture_button::restingPlace(newWidthUnits, newHeightUnits);
    m_picX = place.x();
    m_picY = place.y();
    movePictureTo(place);
    placeCaption();
}

void pfc_picture_command_button::placeCaption()
{
    // The caption starts two blanks' width after the picture's resting
    // place, whatever its own width.
    auto *face = static_cast<controls::PictureButtonFace *>(m_button);
    if (m_bitmap->isHidden()) {
        face->setCaptionLeft(-1);
        return;
    }
    const int pictureRight = rt::units::toPixelsX(m_picX) + m_bitmap->width();
    face->setCaptionLeft(pictureRight + 2 * m_button->fontMetrics().horizontalAdvance(u' '));
}

void pfc_picture_command_button::innerButtonClicked()
{
    QPointer<pfc_picture_command_button> self(this);
    rt::post(this, [self] {
        if (self)
            Q_EMIT self->clicked();
    });
    of_releasemouse();
}

void pfc_picture_command_button::movePictureTo(QPoint placeUnits)
{
    m_place = placeUnits;
    m_bitmap->move(rt::units::toPixels(placeUnits));
}

void pfc_picture_command_button::toRestingPlace()
{
    movePictureTo(QPoint(m_picX, m_picY));
}

void pfc_picture_command_button::toPressedPlace()
{
    using controls::picture_button::kPressedOffset;
    movePictureTo(QPoint(m_picX + kPressedOffset, m_picY + kPressedOffset));
}

bool pfc_picture_command_button::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_button)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_inBounds = true;
            toPressedPlace();
        }
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_inBounds = false;
            toRestingPlace();
        }
        break;
    case QEvent::MouseMove:
        handleMouseMove(static_cast<QMouseEvent *>(event));
        break;
    case QEvent::KeyPress:
        if (handleKeyPress(static_cast<QKeyEvent *>(event)))
            return true;
        break;
    case QEvent::KeyRelease:
        handleKeyRelease(static_cast<QKeyEvent *>(event));
        break;
    case QEvent::Resize: {
        const QSize size = static_cast<QResizeEvent *>(event)->size();
        innerButtonResized(
            rt::units::fromPixelsX(size.width()), rt::units::fromPixelsY(size.height()));
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void pfc_picture_command_button::handleMouseMove(QMouseEvent *event)
{
    if (m_keyboard)
        return;
    const QPoint pos = event->position().toPoint();
    const int xpos = rt::units::fromPixelsX(pos.x());
    const int ypos = rt::units::fromPixelsY(pos.y());
    const int widthUnits = rt::units::fromPixelsX(m_button->width());
    const int heightUnits = rt::units::fromPixelsY(m_button->height());
    // The inner button's own rectangle, right and bottom edges excluded.
    const bool inside = xpos >= 0 && ypos >= 0 && xpos < widthUnits && ypos < heightUnits
        && pos.x() < m_button->width() && pos.y() < m_button->height();
    const bool leftDown = event->buttons().testFlag(Qt::LeftButton);
    if (inside && leftDown && m_inBounds)
        toPressedPlace();
    else
        toRestingPlace();
}

bool pfc_picture_command_button::handleKeyPress(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        if (!m_inBounds) {
            m_keyboard = true;
            toPressedPlace();
        }
        return false;
    case Qt::Key_Down:
    case Qt::Key_Right:
        // The focus moves on once this handler has returned, as a typed Tab.
        rt::post(this, [] { sendTabToFocus(true); });
        return true;
    case Qt::Key_Up:
    case Qt::Key_Left:
        rt::post(this, [] { sendTabToFocus(false); });
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_button->click();
        return true;
    default:
        return false;
    }
}

void pfc_picture_command_button::handleKeyRelease(QKeyEvent *event)
{
    // A held key repeats as release/press pairs; only the real release counts.
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        m_keyboard = false;
        toRestingPlace();
    }
}

#include "pfc_picture_command_button.moc"
