#include "support/YearTexts.h"

#include <array>

using namespace Qt::StringLiterals;

namespace support {

const YearTexts &yearTexts(int year)
{
    static const std::array<YearTexts, 3> all { {
        { u"w_jsq_cz1"_s, u"21"_s, u"w_xm_cz1"_s, u"初中一年级成绩"_s, u"初一学年成绩"_s,
            u"请先设置好初中一年级测试项目！"_s, u"提示"_s,
            u"如要得到肺活量成绩，请先正确输入体重！"_s, QSize(3008, 1388), u"em_s1"_s },
        { u"w_jsq_cz2"_s, u"22"_s, u"w_xm_cz2"_s, u"初中二年级成绩"_s, u"初二学年成绩"_s,
            u"请先设置好初中二年级测试项目！"_s, u"错误"_s, u"请先正确输入体重。"_s,
            QSize(3008, 1384), u"em_s1"_s },
        { u"w_jsq_cz3"_s, u"23"_s, u"w_xm_cz3"_s, u"初中三年级成绩"_s, u"初三学年成绩"_s,
            u"请先设置好初中三年级测试项目！"_s, u"提示"_s,
            u"如要得到肺活量成绩，请先正确输入体重！"_s, QSize(3003, 1492), u"em_c1"_s },
    } };
    return all.at(static_cast<std::size_t>(year - 1));
}

} // namespace support
