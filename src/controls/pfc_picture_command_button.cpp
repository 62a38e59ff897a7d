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
#include <QPixmap>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace controls {

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
    QPalette face = palette();
    face.setColor(QPalette::Window, rt::colors::fromCode(rt::colors::kButtonFace));
    setPalette(face);

    // Children in creation order: the picture box, then the inner button.
    m_pictureBox = new PictureBox(this);
    m_pictureBox->setObjectName(u"uo_bitmap"_s);
    m_pictureBox->resize(rt::units::toPixels(QSize(69, 60)));
    m_pictureBox->setEnabled(false);

    m_innerButton = new controls::PictureButtonFace(this);
    m_innerButton->setObjectName(u"command_button"_s);
    m_innerButton->setGeometry(rt::units::rect(0, 0, 329, 100));
    m_innerButton->setFont(buttonFont());
    m_innerButton->setAutoDefault(false);
    m_innerButton->installEventFilter(this);
    m_innerButton->setMouseTracking(true);
    setFocusProxy(m_innerButton);
    // The picture lies over the button's face.
    m_pictureBox->raise();

    connect(m_innerButton, &QPushButton::clicked, this,
        &pfc_picture_command_button::innerButtonClicked);

    if (!declaration.enabled)
        setEnabled(false);

    // Construction: both children to (0, 0), the flags, the size, the face.
    m_innerButton->move(0, 0);
    m_pictureBox->move(0, 0);
    // A cancel flag would have no counterpart on a push button: Esc
    // handling is the window's own. The default flag is copied.
    m_innerButton->setDefault(m_declaration.isDefault);
    if (m_declaration.buttonWidth == 0 || m_declaration.buttonHeight == 0) {
        m_declaration.buttonWidth = rt::units::toPixelsX(declaration.width);
        m_declaration.buttonHeight = rt::units::toPixelsY(declaration.height);
    }
    of_setresize(m_declaration.buttonWidth, m_declaration.buttonHeight);
    of_setproperties();
}

void pfc_picture_command_button::of_setresize(int widthPixels, int heightPixels)
{
    const int widthUnits = rt::units::fromPixelsX(widthPixels);
    const int heightUnits = rt::units::fromPixelsY(heightPixels);
    m_innerButton->resize(rt::units::toPixels(QSize(widthUnits, heightUnits)));
    innerButtonResized(widthUnits, heightUnits);
}

void pfc_picture_command_button::of_setproperties()
{
    auto *pictureBox = static_cast<PictureBox *>(m_pictureBox);
    const bool withPicture
        = controls::PictureButtonRules::bitmapQualifies(m_declaration.bitmapName);
    m_innerButton->setText(
        controls::PictureButtonRules::captionFor(m_declaration.buttonText, withPicture));
    if (withPicture) {
        const QSize box = pictureBox->size();
        const int side = std::min(box.width(), box.height());
        // A picture that cannot be loaded leaves the box empty; the caption
        // keeps its leading blanks.
        pictureBox->setPicture(rt::stock::pictureOrResource(m_declaration.bitmapName, side));
        pictureBox->show();
    } else {
        pictureBox->clearPicture();
        pictureBox->hide();
    }
    QFont font = buttonFont();
    font.setPixelSize(12);
    m_innerButton->setFont(font);
    placeCaption();
    if (!isEnabled())
        m_innerButton->setEnabled(false);
}

void pfc_picture_command_button::of_setenabled(bool enabled)
{
    m_innerButton->setEnabled(enabled);
}

bool pfc_picture_command_button::isAvailable() const
{
    return isEnabled() && innerEnabledFlag();
}

bool pfc_picture_command_button::innerEnabledFlag() const
{
    return !m_innerButton->testAttribute(Qt::WA_ForceDisabled);
}

void pfc_picture_command_button::setAvailable(bool available)
{
    m_innerButton->setEnabled(available);
    setEnabled(available);
}

bool pfc_picture_command_button::pictureShown() const
{
    return !m_pictureBox->isHidden();
}

void pfc_picture_command_button::innerButtonResized(int newWidthUnits, int newHeightUnits)
{
    m_restingPlace = controls::PictureButtonRules::restingPlace(newWidthUnits, newHeightUnits);
    movePictureTo(m_restingPlace);
    placeCaption();
}

void pfc_picture_command_button::placeCaption()
{
    // The caption starts two blanks' width after the picture's resting
    // place, whatever its own width.
    auto *face = static_cast<controls::PictureButtonFace *>(m_innerButton);
    if (m_pictureBox->isHidden()) {
        face->setCaptionLeft(-1);
        return;
    }
    const int pictureRight = rt::units::toPixelsX(m_restingPlace.x()) + m_pictureBox->width();
    face->setCaptionLeft(pictureRight + 2 * m_innerButton->fontMetrics().horizontalAdvance(u' '));
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
    m_picturePlace = placeUnits;
    m_pictureBox->move(rt::units::toPixels(placeUnits));
}

void pfc_picture_command_button::toRestingPlace()
{
    movePictureTo(m_restingPlace);
}

void pfc_picture_command_button::toPressedPlace()
{
    constexpr int kOffset = controls::PictureButtonRules::kPressedOffset;
    movePictureTo(m_restingPlace + QPoint(kOffset, kOffset));
}

bool pfc_picture_command_button::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_innerButton)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_mouseHeld = true;
            toPressedPlace();
        }
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_mouseHeld = false;
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
    if (m_spaceHeld)
        return;
    const QPoint pos = event->position().toPoint();
    const int xUnits = rt::units::fromPixelsX(pos.x());
    const int yUnits = rt::units::fromPixelsY(pos.y());
    const int widthUnits = rt::units::fromPixelsX(m_innerButton->width());
    const int heightUnits = rt::units::fromPixelsY(m_innerButton->height());
    // The inner button's own rectangle, right and bottom edges excluded.
    const bool inside = xUnits >= 0 && yUnits >= 0 && xUnits < widthUnits && yUnits < heightUnits
        && pos.x() < m_innerButton->width() && pos.y() < m_innerButton->height();
    const bool leftDown = event->buttons().testFlag(Qt::LeftButton);
    if (inside && leftDown && m_mouseHeld)
        toPressedPlace();
    else
        toRestingPlace();
}

bool pfc_picture_command_button::handleKeyPress(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        if (!m_mouseHeld) {
            m_spaceHeld = true;
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
        m_innerButton->click();
        return true;
    default:
        return false;
    }
}

void pfc_picture_command_button::handleKeyRelease(QKeyEvent *event)
{
    // A held key repeats as release/press pairs; only the real release counts.
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        m_spaceHeld = false;
        toRestingPlace();
    }
}

} // namespace controls

#include "pfc_picture_command_button.moc"
