#include "shell/w_about.h"

#include "runtime/LayoutUnits.h"
#include "runtime/StockImages.h"
#include "runtime/SystemColors.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

struct TextSpec
{
    const char16_t *name;
    int x, y, width, height;
    int points;
    bool bold;
    bool underline;
    long color;
    const char16_t *text;
};

QFont arial(int points, bool bold, bool underline)
{
    QFont font(QStringLiteral("Arial"));
    font.setFamilies({ QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Zen Hei") });
    font.setPointSize(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace

w_about::w_about(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("w_about"));
    setModal(true);
    setWindowIcon(rt::stock::icon(QStringLiteral("AppIcon!")));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, rt::colors::fromCode(rt::colors::kButtonFace));
    setPalette(pal);
    resize(rt::units::toPixels(QSize(2181, 820)));

    // The maker's contact data; all of it is fictitious.
    static const TextSpec texts[] = {
        { u"st_1", 55, 80, 2034, 72, 10, true, false, rt::colors::rgb(0, 0, 255),
          u"技术问题和建议请寄 Kelvaro 示例软件工作室，联系人：示例先生" },
        { u"st_3", 64, 208, 1902, 72, 10, false, false, rt::colors::kDesktop,
          u"地址：示例市示例路 1 号  示例先生  邮编：000000" },
        { u"st_5", 64, 332, 1262, 72, 10, true, false, rt::colors::rgb(0, 0, 255),
          u"手机：000-0000-0000" },
        { u"st_4", 64, 440, 1262, 72, 10, true, false, rt::colors::rgb(0, 0, 255),
          u"电话：555-0100" },
        { u"st_2", 64, 556, 1038, 72, 12, true, false, rt::colors::kLinkText,
          u"邮箱：kv@example.com" },
        { u"st_10", 64, 692, 379, 72, 10, false, false, rt::colors::rgb(255, 0, 255),
          u"软件升级：" },
    };
    for (const TextSpec &spec : texts) {
        auto *label = new QLabel(QString::fromUtf16(spec.text), this);
        label->setObjectName(QString::fromUtf16(spec.name));
        label->setGeometry(rt::units::rect(spec.x, spec.y, spec.width, spec.height));
        label->setFont(arial(spec.points, spec.bold, spec.underline));
        QPalette labelPalette = label->palette();
        labelPalette.setColor(QPalette::WindowText, rt::colors::fromCode(spec.color));
        label->setPalette(labelPalette);
        label->setFocusPolicy(Qt::NoFocus);
    }

    // The web link: a click hands the address to the system, which opens it.
    const QString site = QStringLiteral("https://example.com/");
    auto *link = new QLabel(this);
    link->setObjectName(QStringLiteral("shl_1"));
    link->setGeometry(rt::units::rect(480, 684, 1221, 92));
    link->setFont(arial(12, false, true));
    const QColor linkColor = rt::colors::fromCode(rt::colors::kLinkText);
    link->setText(QStringLiteral("<a href=\"%1\" style=\"color:%2\">%1</a>")
                      .arg(site, linkColor.name()));
    link->setTextFormat(Qt::RichText);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    link->setOpenExternalLinks(true);
    link->setFocusPolicy(Qt::NoFocus);
    link->setCursor(rt::stock::pointer(QStringLiteral("HyperLink!")));

    m_close = new QPushButton(QStringLiteral("关闭(&X)"), this);
    m_close->setObjectName(QStringLiteral("cb_1"));
    m_close->setGeometry(rt::units::rect(1792, 680, 302, 80));
    m_close->setFont(arial(9, false, false));
    m_close->setFocusPolicy(Qt::StrongFocus);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    m_close->setFocus();

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect box = rect();
        box.moveCenter(screen->availableGeometry().center());
        move(box.topLeft());
    }
}

void w_about::reject()
{
    // Only the button closes the box.
}
