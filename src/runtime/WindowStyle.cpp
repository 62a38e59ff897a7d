#include "runtime/WindowStyle.h"

#include "runtime/LayoutUnits.h"
#include "runtime/SystemColors.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace rt::style {

namespace {

QStringList familiesFor(const QString &face)
{
    static const QStringList kChineseFallbacks { u"WenQuanYi Zen Hei"_s, u"Noto Sans CJK SC"_s };
    if (face == faces::kSongTi)
        return QStringList { face, u"SimSun"_s, u"NSimSun"_s } + kChineseFallbacks;
    if (face == faces::kArial)
        return QStringList { face, u"Liberation Sans"_s, u"DejaVu Sans"_s } + kChineseFallbacks;
    if (face == faces::kMsSansSerif)
        return QStringList { face, u"Microsoft Sans Serif"_s, u"SimSun"_s } + kChineseFallbacks;
    if (face == faces::kCourierNew)
        return QStringList { face, u"Liberation Mono"_s, u"DejaVu Sans Mono"_s }
        + kChineseFallbacks;
    return QStringList { face } + kChineseFallbacks;
}

} // namespace

QFont toQFont(const FontDecl &decl)
{
    QFont result;
    if (!decl.face.isEmpty()) {
        result.setFamilies(familiesFor(decl.face));
        result.setStyleHint(decl.face == faces::kCourierNew ? QFont::Monospace : QFont::SansSerif);
    }
    if (decl.pixelSize > 0)
        result.setPixelSize(decl.pixelSize);
    else if (decl.pointSize > 0)
        result.setPointSize(decl.pointSize);
    result.setWeight(decl.bold ? QFont::Bold : QFont::Normal);
    result.setItalic(decl.italic);
    result.setUnderline(decl.underline);
    return result;
}

void setTextColor(QWidget *widget, long code)
{
    const QColor color = colors::fromCode(code);
    QPalette palette = widget->palette();
    QList<QPalette::ColorRole> roles;
    if (qobject_cast<QLineEdit *>(widget))
        roles = { QPalette::Text };
    else if (qobject_cast<QAbstractButton *>(widget))
        roles = { QPalette::WindowText, QPalette::ButtonText };
    else
        roles = { QPalette::WindowText };
    for (QPalette::ColorRole role : roles) {
        palette.setColor(QPalette::Active, role, color);
        palette.setColor(QPalette::Inactive, role, color);
    }
    widget->setPalette(palette);
}

void setBackColor(QWidget *widget, long code)
{
    const QColor color = colors::fromCode(code);
    QPalette palette = widget->palette();
    if (qobject_cast<QLineEdit *>(widget)) {
        palette.setColor(QPalette::Base, color);
    } else {
        palette.setColor(QPalette::Window, color);
        palette.setColor(QPalette::Button, color);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

QSize clientSizeForOuter(QSize outerUnits)
{
    constexpr int kBorderPixels = 4;
    constexpr int kTitlePixels = 23;
    const QSize outer = units::toPixels(outerUnits);
    return { outer.width() - 2 * kBorderPixels, outer.height() - 2 * kBorderPixels - kTitlePixels };
}

void centerOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

Qt::WindowFlags modalDialogFlags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}

} // namespace rt::style
