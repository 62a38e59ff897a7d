#include "shell/startpage/StartPageDefinition.h"

#include "runtime/ControlMakers.h"
#include "runtime/SystemColors.h"

using namespace Qt::StringLiterals;

namespace shell::startpage {

namespace {

constexpr int kPictureWidth = 411;
constexpr int kPictureHeight = 392;
constexpr int kCaptionHeight = 56;

// A picture of the flow: 411 x 392 units at (x, y), the pointing hand over it.
rt::ControlDecl flowPicture(
    const QString &name, const QString &file, const QString &tag, int x, int y, bool visible = true)
{
    rt::ControlDecl decl = rt::picture(
        name, file, QRect(x, y, kPictureWidth, kPictureHeight), { .visible = visible });
    decl.pointer = u"HyperLink!"_s;
    decl.tag = tag;
    return decl;
}

rt::ControlDecl arrow(const QString &name, const QString &file, QRect rect)
{
    return rt::picture(name, file, rect);
}

rt::ControlDecl caption(
    const QString &name, const QString &text, int x, int y, int width, bool visible = true)
{
    return rt::label(name, text, QRect(x, y, width, kCaptionHeight),
        { .font = rt::font(9, false, rt::faces::kSongTi),
            .textColor = rt::colors::kBlack,
            .visible = visible });
}

rt::ControlTable build()
{
    const QString xm1 = u":/shell/startpage/xm_1.png"_s;
    const QString xm2 = u":/shell/startpage/xm_2.png"_s;
    const QString xm3 = u":/shell/startpage/xm_3.png"_s;
    const QString cj1 = u":/shell/startpage/cj_1.png"_s;
    const QString cj2 = u":/shell/startpage/cj_2.png"_s;
    const QString cj3 = u":/shell/startpage/cj_3.png"_s;
    const QString graduation = u":/shell/startpage/by.png"_s;
    const QString right = u":/shell/startpage/arrow1.png"_s;
    const QString down = u":/shell/startpage/arrow2.png"_s;
    const QString left = u":/shell/startpage/arrow3.png"_s;

    rt::ControlDecl hiddenSearch
        = flowPicture(u"p_14"_s, QString(), u"Run = w_dz_search"_s, 3223, 196, false);
    // p_14 covers x 3223 to 3570 and y 196 to 548.
    hiddenSearch.rect.setSize(QSize(347, 352));

    return {
        // The flow through the school years, with a caption under each picture.
        flowPicture(u"p_1"_s, xm1, u"Run = w_xm_cz1"_s, 238, 60),
        caption(u"t_1"_s, u"初一项目设置"_s, 279, 472, 357),
        flowPicture(u"p_8"_s, cj1, u"Run = w_jsq_cz1"_s, 1440, 60),
        caption(u"t_5"_s, u"初一成绩计算"_s, 1481, 472, 357),
        flowPicture(u"p_10"_s, xm2, u"Run = w_xm_cz2"_s, 2661, 60),
        caption(u"t_7"_s, u"初二项目设置"_s, 2702, 472, 329),
        flowPicture(u"p_6"_s, graduation, u"Run = w_jsq_by"_s, 1440, 652),
        caption(u"t_10"_s, u"毕业成绩计算"_s, 1481, 1064, 384),
        flowPicture(u"p_11"_s, cj2, u"Run = w_jsq_cz2"_s, 2661, 1256),
        caption(u"t_8"_s, u"初二成绩计算"_s, 2702, 1672, 357),
        flowPicture(u"p_12"_s, xm3, u"Run = w_xm_cz3"_s, 1440, 1256),
        caption(u"t_9"_s, u"初三项目设置"_s, 1481, 1672, 329),
        flowPicture(u"p_13"_s, cj3, u"Run = w_jsq_cz3"_s, 238, 1256),
        caption(u"t_4"_s, u"初三成绩计算"_s, 279, 1672, 357),

        arrow(u"p_7"_s, right, QRect(859, 200, 370, 120)),
        arrow(u"p_15"_s, right, QRect(2085, 200, 370, 120)),
        arrow(u"p_18"_s, down, QRect(2807, 728, 137, 324)),
        arrow(u"p_17"_s, left, QRect(791, 1392, 370, 120)),
        arrow(u"p_16"_s, left, QRect(2098, 1392, 370, 120)),

        rt::label(u"t_12"_s, u"Kelvaro（初中）  V3.0"_s, QRect(0, 1956, 3689, 160),
            { .font = rt::font(26, true, rt::faces::kSongTi), .textColor = rt::colors::kBlue }),

        // Hidden pairs: never shown, and never the object under the pointer.
        flowPicture(u"p_9"_s, QString(), u"Run = mspaint.exe; OpenType=Exe"_s, 238, 652, false),
        caption(u"t_6"_s, u"画图"_s, 279, 1064, 357, false),
        flowPicture(
            u"p_3"_s, QString(), u"Run = NotePad.exe ReadMe.txt;OpenType=Exe"_s, 3223, 1256, false),
        caption(u"t_2"_s, u"系统说明"_s, 3264, 1672, 357, false),
        flowPicture(u"p_4"_s, QString(), u"Run = w_sample_info;OpenSheet=False"_s, 652, 652, false),
        caption(u"t_3"_s, u"信息录入"_s, 693, 1064, 357, false),
        hiddenSearch,
        caption(u"t_11"_s, u"退出系统"_s, 3223, 608, 347, false),
    };
}

} // namespace

const rt::ControlTable &d_start()
{
    static const rt::ControlTable objects = build();
    return objects;
}

} // namespace shell::startpage
