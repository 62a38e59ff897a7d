#include "calculator/w_jsq_by.h"

#include "calculator/RatingField.h"
#include "calculator/ScoreMask.h"
#include "controls/EntryControlFactories.h"
#include "controls/my_maskedit.h"
#include "runtime/CloseGuard.h"
#include "runtime/ControlMakers.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowDecl.h"
#include "runtime/WindowStyle.h"
#include "scoring/GraduationScore.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace calculator {

namespace {

using rt::colors::kBlue;
using rt::colors::kButtonFace;
using rt::colors::kDarkRed;
using rt::colors::kFieldBlue;
using rt::colors::kIvory;
using rt::colors::kWindowText;

// A score field: Arial 14 pt bold under the one-decimal mask; an unwritten
// field is empty.
rt::ControlDecl scoreField(const QString &name, QRect rect, long backColor, int tabOrder)
{
    return rt::maskedEdit(name, rect, scoreMask(),
        { .font = rt::font(14, true),
            .textColor = kWindowText,
            .backColor = backColor,
            .tabOrder = tabOrder });
}

rt::ControlTable makeTable()
{
    // The captions: Arial 12 pt bold on the window's face colour.
    const rt::ControlLook total {
        .font = rt::font(12, true), .textColor = kDarkRed, .backColor = kButtonFace
    };
    rt::ControlLook result = total;
    result.textColor = kBlue;
    return {
        scoreField(u"em_by_cj"_s, QRect(859, 636, 402, 112), kIvory, 0),
        scoreField(u"em_c3"_s, QRect(859, 444, 402, 112), kFieldBlue, 30),
        scoreField(u"em_c2"_s, QRect(859, 244, 402, 112), kFieldBlue, 20),
        scoreField(u"em_c1"_s, QRect(859, 40, 402, 112), kFieldBlue, 10),
        rt::pushButton(u"cb_1"_s, u"关闭(&X)"_s, QRect(859, 960, 320, 88),
            { .font = rt::font(9), .tabOrder = 60 }),
        rt::lineEdit(u"sle_by_dj"_s, QRect(859, 776, 407, 116),
            { .font = rt::font(12), .textColor = kWindowText, .backColor = kIvory }),
        rt::label(u"st_5"_s, u"等级"_s, QRect(370, 800, 192, 72), result),
        rt::label(u"st_4"_s, u"初中毕业成绩"_s, QRect(69, 652, 503, 72), result),
        rt::label(u"st_3"_s, u"初三学年成绩（50%）"_s, QRect(64, 456, 795, 72), total),
        rt::label(u"st_2"_s, u"初二学年成绩（25%）"_s, QRect(64, 252, 786, 72), total),
        rt::label(u"st_1"_s, u"初一学年成绩（25%）"_s, QRect(64, 56, 795, 72), total),
    };
}

std::int64_t tenthsOf(const QLineEdit *field)
{
    return scoring::readTenths(field->text().toStdString());
}

} // namespace

const rt::WindowDecl &w_jsq_by::windowDecl()
{
    static const rt::WindowDecl decl {
        .name = u"w_jsq_by"_s,
        .title = u"毕业成绩计算"_s,
        .icon = u"AppIcon!"_s,
        .flags = rt::style::modalDialogFlags(),
        .modal = true,
        .size = QSize(1353, 1212),
        .backColor = rt::colors::kButtonFace,
        .placement = rt::WindowDecl::Placement::CentredOnFirstShow,
    };
    return decl;
}

QString w_jsq_by::className()
{
    return windowDecl().name;
}

const rt::ControlTable &w_jsq_by::controlTable()
{
    static const rt::ControlTable table = makeTable();
    return table;
}

w_jsq_by::w_jsq_by(QWidget *parent)
    : QDialog(parent)
    , m_controls(this, controlTable(), controls::entryControlFactories())
{
    rt::setUpWindow(this, windowDecl());

    m_firstYear = m_controls.get<controls::my_maskedit>(u"em_c1"_s);
    m_secondYear = m_controls.get<controls::my_maskedit>(u"em_c2"_s);
    m_thirdYear = m_controls.get<controls::my_maskedit>(u"em_c3"_s);
    m_score = m_controls.get<controls::my_maskedit>(u"em_by_cj"_s);
    m_rating = m_controls.get<QLineEdit>(u"sle_by_dj"_s);
    m_closeButton = m_controls.get<QPushButton>(u"cb_1"_s);

    m_closeGuard = new rt::CloseGuard(this);
    for (controls::my_maskedit *field : { m_firstYear, m_secondYear, m_thirdYear })
        connect(field, &controls::my_maskedit::modified, this, &w_jsq_by::showGraduationScore);
    connect(m_closeButton, &QPushButton::clicked, m_closeGuard, &rt::CloseGuard::closeWindow);
}

void w_jsq_by::showGraduationScore()
{
    const scoring::GraduationResult result = scoring::graduationWindowScore(
        tenthsOf(m_firstYear), tenthsOf(m_secondYear), tenthsOf(m_thirdYear));
    m_score->setText(QString::number(result.score));
    showRating(m_rating, result.rating);
}

} // namespace calculator
