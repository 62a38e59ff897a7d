#include "support/YearTexts.h"

#include <array>

using namespace Qt::StringLiterals;

namespace support {

const YearTexts &yearTexts(int year)
{
    static const std::array<YearTexts, 3> all { {
        { .title = u"初中一年级成绩"_s,
            .totalCaption = u"初一学年成绩"_s,
            .setupMessage = u"请先设置好初中一年级测试项目！"_s,
            .vitalCapacityTitle = u"提示"_s,
            .vitalCapacityText = u"如要得到肺活量成绩，请先正确输入体重！"_s },
        { .title = u"初中二年级成绩"_s,
            .totalCaption = u"初二学年成绩"_s,
            .setupMessage = u"请先设置好初中二年级测试项目！"_s,
            .vitalCapacityTitle = u"错误"_s,
            .vitalCapacityText = u"请先正确输入体重。"_s },
        { .title = u"初中三年级成绩"_s,
            .totalCaption = u"初三学年成绩"_s,
            .setupMessage = u"请先设置好初中三年级测试项目！"_s,
            .vitalCapacityTitle = u"提示"_s,
            .vitalCapacityText = u"如要得到肺活量成绩，请先正确输入体重！"_s },
    } };
    return all.at(static_cast<std::size_t>(year - 1));
}

} // namespace support
