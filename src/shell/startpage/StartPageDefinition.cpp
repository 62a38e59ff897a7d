#include "shell/startpage/StartPageDefinition.h"

#include "runtime/SystemColors.h"

using namespace Qt::StringLiterals;

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
    object.pointer = u"HyperLink!"_s;
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
    object.name = u"t_12"_s;
    object.type = ObjectType::Text;
    object.x = 0;
    object.y = 1956;
    object.width = 3689;
    object.height = 160;
    object.text = u"Kelvaro（初中）  V3.0"_s;
    object.fontPoints = 26;
    object.fontWeight = 700;
    object.colorCode = rt::colors::kBlue;
    return object;
}

std::vector<PageObject> build()
{
    const QString xm1 = u":/shell/startpage/xm_1.png"_s;
    const QString xm2 = u":/shell/startpage/xm_2.png"_s;
    const QString xm3 = u":/shell/startpage/xm_3.png"_s;
    const QString cj1 = u":/shell/startpage/cj_1.png"_s;
    const QString cj2 = u":/shell/startpage/cj_2.png"_s;
    const QString cj3 = u":/shell/startpage/cj_3.png"_s;
    const QString by = u":/shell/startpage/by.png"_s;
    const QString right = u":/shell/startpage/arrow1.png"_s;
    const QString down = u":/shell/startpage/arrow2.png"_s;
    const QString left = u":/shell/startpage/arrow3.png"_s;

    std::vector<PageObject> objects = {
        // The flow through the school years, with a caption under each picture.
        picture(u"p_1"_s, xm1, u"Run = w_xm_cz1"_s, 238, 60),
        caption(u"t_1"_s, u"初一项目设置"_s, 279, 472, 357),
        picture(u"p_8"_s, cj1, u"Run = w_jsq_cz1"_s, 1440, 60),
        caption(u"t_5"_s, u"初一成绩计算"_s, 1481, 472, 357),
        picture(u"p_10"_s, xm2, u"Run = w_xm_cz2"_s, 2661, 60),
        caption(u"t_7"_s, u"初二项目设置"_s, 2702, 472, 329),
        picture(u"p_6"_s, by, u"Run = w_jsq_by"_s, 1440, 652),
        caption(u"t_10"_s, u"毕业成绩计算"_s, 1481, 1064, 384),
        picture(u"p_11"_s, cj2, u"Run = w_jsq_cz2"_s, 2661, 1256),
        caption(u"t_8"_s, u"初二成绩计算"_s, 2702, 1672, 357),
        picture(u"p_12"_s, xm3, u"Run = w_xm_cz3"_s, 1440, 1256),
        caption(u"t_9"_s, u"初三项目设置"_s, 1481, 1672, 329),
        picture(u"p_13"_s, cj3, u"Run = w_jsq_cz3"_s, 238, 1256),
        caption(u"t_4"_s, u"初三成绩计算"_s, 279, 1672, 357),

        arrow(u"p_7"_s, right, 859, 200, 370, 120),
        arrow(u"p_15"_s, right, 2085, 200, 370, 120),
        arrow(u"p_18"_s, down, 2807, 728, 137, 324),
        arrow(u"p_17"_s, left, 791, 1392, 370, 120),
        arrow(u"p_16"_s, left, 2098, 1392, 370, 120),

        title(),

        // Hidden pairs: never shown, and never the object under the pointer.
        picture(u"p_9"_s, QString(), u"Run = mspaint.exe; OpenType=Exe"_s, 238, 652, false),
        caption(u"t_6"_s, u"画图"_s, 279, 1064, 357, false),
        picture(
            u"p_3"_s, QString(), u"Run = NotePad.exe ReadMe.txt;OpenType=Exe"_s, 3223, 1256, false),
        caption(u"t_2"_s, u"系统说明"_s, 3264, 1672, 357, false),
        picture(u"p_4"_s, QString(), u"Run = w_sample_info;OpenSheet=False"_s, 652, 652, false),
        caption(u"t_3"_s, u"信息录入"_s, 693, 1064, 357, false),
        picture(u"p_14"_s, QString(), u"Run = w_dz_search"_s, 3223, 196, false),
        caption(u"t_11"_s, u"退出系统"_s, 3223, 608, 347, false),
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
