#include "shell/startpage/StartPageDefinition.h"

#include "runtime/SystemColors.h"

namespace shell::startpage {

namespace {

constexpr int kPictureWidth = 411;
constexpr int kPictureHeight = 392;
constexpr int kCaptionHeight = 56;

PageObject picture(
    const QString &name, const QString &file, const QString &tag, int x, int y, bool visible = true)
{
    PageObject object;
    object.name = name;
    object.type = ObjectType::Bitmap;
    object.visible = visible;
    object.x = x;
    object.y = y;
    object.width = kPictureWidth;
    object.height = kPictureHeight;
    object.picture = file;
    object.pointer = QStringLiteral("HyperLink!");
    object.tag = tag;
    return object;
}

PageObject arrow(const QString &name, const QString &file, int x, int y, int width, int height)
{
    PageObject object;
    object.name = name;
    object.type = ObjectType::Bitmap;
    object.x = x;
    object.y = y;
    object.width = width;
    object.height = height;
    object.picture = file;
    return object;
}

PageObject caption(
    const QString &name, const QString &text, int x, int y, int width, bool visible = true)
{
    PageObject object;
    object.name = name;
    object.type = ObjectType::Text;
    object.visible = visible;
    object.x = x;
    object.y = y;
    object.width = width;
    object.height = kCaptionHeight;
    object.text = text;
    return object;
}

PageObject title()
{
    PageObject object;
    object.name = QStringLiteral("t_12");
    object.type = ObjectType::Text;
    object.x = 0;
    object.y = 1956;
    object.width = 3689;
    object.height = 160;
    object.text = QStringLiteral("Kelvaro（初中）  V3.0");
    object.fontPoints = 26;
    object.fontWeight = 700;
    object.colorCode = rt::colors::kBlue;
    return object;
}

std::vector<PageObject> build()
{
    const QString xm1 = QStringLiteral(":/shell/startpage/xm_1.png");
    const QString xm2 = QStringLiteral(":/shell/startpage/xm_2.png");
    const QString xm3 = QStringLiteral(":/shell/startpage/xm_3.png");
    const QString cj1 = QStringLiteral(":/shell/startpage/cj_1.png");
    const QString cj2 = QStringLiteral(":/shell/startpage/cj_2.png");
    const QString cj3 = QStringLiteral(":/shell/startpage/cj_3.png");
    const QString by = QStringLiteral(":/shell/startpage/by.png");
    const QString right = QStringLiteral(":/shell/startpage/arrow1.png");
    const QString down = QStringLiteral(":/shell/startpage/arrow2.png");
    const QString left = QStringLiteral(":/shell/startpage/arrow3.png");

    std::vector<PageObject> objects = {
        // The flow through the school years, with a caption under each picture.
        picture(QStringLiteral("p_1"), xm1, QStringLiteral("Run = w_xm_cz1"), 238, 60),
        caption(QStringLiteral("t_1"), QStringLiteral("初一项目设置"), 279, 472, 357),
        picture(QStringLiteral("p_8"), cj1, QStringLiteral("Run = w_jsq_cz1"), 1440, 60),
        caption(QStringLiteral("t_5"), QStringLiteral("初一成绩计算"), 1481, 472, 357),
        picture(QStringLiteral("p_10"), xm2, QStringLiteral("Run = w_xm_cz2"), 2661, 60),
        caption(QStringLiteral("t_7"), QStringLiteral("初二项目设置"), 2702, 472, 329),
        picture(QStringLiteral("p_6"), by, QStringLiteral("Run = w_jsq_by"), 1440, 652),
        caption(QStringLiteral("t_10"), QStringLiteral("毕业成绩计算"), 1481, 1064, 384),
        picture(QStringLiteral("p_11"), cj2, QStringLiteral("Run = w_jsq_cz2"), 2661, 1256),
        caption(QStringLiteral("t_8"), QStringLiteral("初二成绩计算"), 2702, 1672, 357),
        picture(QStringLiteral("p_12"), xm3, QStringLiteral("Run = w_xm_cz3"), 1440, 1256),
        caption(QStringLiteral("t_9"), QStringLiteral("初三项目设置"), 1481, 1672, 329),
        picture(QStringLiteral("p_13"), cj3, QStringLiteral("Run = w_jsq_cz3"), 238, 1256),
        caption(QStringLiteral("t_4"), QStringLiteral("初三成绩计算"), 279, 1672, 357),

        arrow(QStringLiteral("p_7"), right, 859, 200, 370, 120),
        arrow(QStringLiteral("p_15"), right, 2085, 200, 370, 120),
        arrow(QStringLiteral("p_18"), down, 2807, 728, 137, 324),
        arrow(QStringLiteral("p_17"), left, 791, 1392, 370, 120),
        arrow(QStringLiteral("p_16"), left, 2098, 1392, 370, 120),

        title(),

        // Hidden pairs: never shown, and never the object under the pointer.
        picture(QStringLiteral("p_9"), QString(), QStringLiteral("Run = mspaint.exe; OpenType=Exe"),
            238, 652, false),
        caption(QStringLiteral("t_6"), QStringLiteral("画图"), 279, 1064, 357, false),
        picture(QStringLiteral("p_3"), QString(),
            QStringLiteral("Run = NotePad.exe ReadMe.txt;OpenType=Exe"), 3223, 1256, false),
        caption(QStringLiteral("t_2"), QStringLiteral("系统说明"), 3264, 1672, 357, false),
        picture(QStringLiteral("p_4"), QString(),
            QStringLiteral("Run = w_sample_info;OpenSheet=False"), 652, 652, false),
        caption(QStringLiteral("t_3"), QStringLiteral("信息录入"), 693, 1064, 357, false),
        picture(QStringLiteral("p_14"), QString(), QStringLiteral("Run = w_dz_search"), 3223, 196,
            false),
        caption(QStringLiteral("t_11"), QStringLiteral("退出系统"), 3223, 608, 347, false),
    };
    // p_14 covers x 3223 to 3570 and y 196 to 548.
    objects[objects.size() - 2].width = 347;
    objects[objects.size() - 2].height = 352;
    return objects;
}

} // namespace

const std::vector<PageObject> &d_start()
{
    static const std::vector<PageObject> objects = build();
    return objects;
}

} // namespace shell::startpage
