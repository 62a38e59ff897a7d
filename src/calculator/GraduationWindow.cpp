#include "calculator/GraduationWindow.h"

#include "calculator/RatingField.h"
#include "controls/EntryControlFactories.h"
#include "controls/my_maskedit.h"
#include "runtime/CloseGuard.h"
#include "runtime/StockImages.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowStyle.h"
#include "scoring/GraduationScore.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace calculator {

namespace {

using rt::ControlKind;
using rt::ControlSpec;

constexpr long kDarkRed = 128; // R 128, G 0, B 0
constexpr long kFieldBack = 15780518; // R 166, G 202, B 240

rt::FontSpec arial(int pointSize, bool bold)
{
    rt::FontSpec font;
    font.face = u"Arial"_s;
    font.pointSize = pointSize;
    font.bold = bold;
    return font;
}

ControlSpec control(const QString &name, ControlKind kind, const QString &text, QRect rect,
    const rt::FontSpec &font, long textColor, long backColor, int tabOrder)
{
    ControlSpec spec;
    spec.name = name;
    spec.kind = kind;
    spec.text = text;
    spec.rect = rect;
    spec.font = font;
    spec.textColor = textColor;
    spec.backColor = backColor;
    spec.tabOrder = tabOrder;
    return spec;
}

// A caption: Arial 12 pt bold on the window's face colour.
ControlSpec caption(const QString &name, const QString &text, QRect rect, long textColor)
{
    return control(name, ControlKind::Label, text, rect, arial(12, true), textColor,
        rt::colors::kButtonFace, 0);
}

// A score field: Arial 14 pt bold under the one-decimal mask; an unwritten
// field is empty.
ControlSpec scoreField(const QString &name, QRect rect, long backColor, int tabOrder)
{
    ControlSpec spec = control(name, ControlKind::MaskedEdit, QString(), rect, arial(14, true),
        rt::colors::kWindowText, backColor, tabOrder);
    spec.mask = u"###,###.0"_s;
    return spec;
}

rt::ControlTable makeTable()
{
    return {
        scoreField(u"em_by_cj"_s, QRect(859, 636, 402, 112), rt::colors::kFramePale, 0),
        scoreField(u"em_c3"_s, QRect(859, 444, 402, 112), kFieldBack, 30),
        scoreField(u"em_c2"_s, QRect(859, 244, 402, 112), kFieldBack, 20),
        scoreField(u"em_c1"_s, QRect(859, 40, 402, 112), kFieldBack, 10),
        control(u"cb_1"_s, ControlKind::PushButton, u"关闭(&X)"_s, QRect(859, 960, 320, 88),
            arial(9, false), -1, -1, 60),
        control(u"sle_by_dj"_s, ControlKind::LineEdit, QString(), QRect(859, 776, 407, 116),
            arial(12, false), rt::colors::kWindowText, rt::colors::kFramePale, 0),
        caption(u"st_5"_s, u"等级"_s, QRect(370, 800, 192, 72), rt::colors::kBlue),
        caption(u"st_4"_s, u"初中毕业成绩"_s, QRect(69, 652, 503, 72), rt::colors::kBlue),
        caption(u"st_3"_s, u"初三学年成绩（50%）"_s, QRect(64, 456, 795, 72), kDarkRed),
        caption(u"st_2"_s, u"初二学年成绩（25%）"_s, QRect(64, 252, 786, 72), kDarkRed),
        caption(u"st_1"_s, u"初一学年成绩（25%）"_s, QRect(64, 56, 795, 72), kDarkRed),
    };
}

std::int64_t tenthsOf(const QLineEdit *field)
{
    return scoring::readTenths(field->text().toStdString());
}

} // namespace

QString GraduationWindow::className()
{
    return u"w_jsq_by"_s;
}

const rt::ControlTable &GraduationWindow::controlTable()
{
    static const rt::ControlTable table = makeTable();
    return table;
}

QSize GraduationWindow::declaredSize()
{
    return { 1353, 1212 };
}

GraduationWindow::GraduationWindow(QWidget *parent)
    : QDialog(parent)
    , m_controls(this, controlTable(), controls::entryControlFactories())
{
    setObjectName(className());
    setWindowFlags(rt::style::modalDialogFlags());
    setWindowTitle(u"毕业成绩计算"_s);
    setWindowIcon(rt::stock::icon(u"AppIcon!"_s));
    setModal(true);
    setFixedSize(rt::style::clientSizeForOuter(declaredSize()));
    rt::style::setBackColor(this, rt::colors::kButtonFace);

    m_firstYear = m_controls.get<my_maskedit>(u"em_c1"_s);
    m_secondYear = m_controls.get<my_maskedit>(u"em_c2"_s);
    m_thirdYear = m_controls.get<my_maskedit>(u"em_c3"_s);
    m_score = m_controls.get<my_maskedit>(u"em_by_cj"_s);
    m_rating = m_controls.get<QLineEdit>(u"sle_by_dj"_s);
    m_closeButton = m_controls.get<QPushButton>(u"cb_1"_s);

    m_closeGuard = new rt::CloseGuard(this);
    for (my_maskedit *field : { m_firstYear, m_secondYear, m_thirdYear })
        connect(field, &my_maskedit::modified, this, &GraduationWindow::by);
    connect(m_closeButton, &QPushButton::clicked, m_closeGuard, &rt::CloseGuard::closeWindow);
}

void GraduationWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_centred || !isWindow())
        return;
    m_centred = true;
    rt::style::centerOnScreen(this);
}

void GraduationWindow::by()
{
    const scoring::GraduationResult result = scoring::graduationWindowScore(
        tenthsOf(m_firstYear), tenthsOf(m_secondYear), tenthsOf(m_thirdYear));
    m_score->setText(QString::number(result.score));
    showRating(m_rating, result.rating);
}

} // namespace calculator
