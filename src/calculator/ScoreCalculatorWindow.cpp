#include "calculator/ScoreCalculatorWindow.h"

#include "runtime/LayoutUnits.h"
#include "controls/MaskedEdit.h"
#include "runtime/MessageBoxService.h"
#include "scoring/Real32.h"
#include "scoring/SchoolYearTotal.h"
#include "runtime/StockImages.h"
#include "runtime/SystemColors.h"
#include "scoring/VitalCapacity.h"
#include "runtime/Windows.h"
#include "settings/XmszDataObject.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace calculator {

namespace {

using rt::MessageBoxService;
using scoring::TestItem;

enum class Kind { Label, Entry, Score, Group, Radio, Check, Button, LineEdit };

// How each control of the calculator window looks; where it stands comes
// from the year profile. Listed in the order in which the window creates
// its controls.
struct ControlDesign
{
    const char16_t *name;
    Kind kind;
    const char16_t *text;
    int pointSize;  // 0: the class's own
    bool bold;
    long textColour; // -1: the class's own
};

constexpr long kNavy = 8388608;    // R 0, G 0, B 128
constexpr long kDarkRed = 128;     // R 128, G 0, B 0
constexpr long kPurple = 8388736;  // R 128, G 0, B 128
constexpr long kRed = 255;
constexpr long kFieldBack = 15780518; // R 166, G 202, B 240

const ControlDesign kDesign[] = {
    { u"cb_2", Kind::Button, u"项目设置", 9, false, -1 },
    { u"cb_1", Kind::Button, u"关闭", 8, false, -1 },
    { u"st_yy", Kind::Label, u"（次/1分钟）", 8, false, kDarkRed },
    { u"st_zz", Kind::Label, u"厘米", 8, false, kDarkRed },
    { u"st_ll", Kind::Label, u"厘米", 8, false, kDarkRed },
    { u"st_55", Kind::Label, u"秒", 8, false, kDarkRed },
    { u"st_88", Kind::Label, u"分.秒", 8, false, kDarkRed },
    { u"st_11", Kind::Label, u"分.秒", 8, false, kDarkRed },
    { u"st_14", Kind::Label, u"公斤", 8, false, kDarkRed },
    { u"st_13", Kind::Label, u"厘米", 8, false, kDarkRed },
    { u"st_w", Kind::Label, u"握力体重指数", 8, false, kNavy },
    { u"st_y", Kind::Label, u"仰卧起坐（女）", 8, false, kNavy },
    { u"st_z", Kind::Label, u"坐位体前屈", 8, false, kNavy },
    { u"st_l", Kind::Label, u"立定跳远", 8, false, kNavy },
    { u"st_5", Kind::Label, u"50米跑", 8, false, kNavy },
    { u"st_f", Kind::Label, u"肺活量", 8, false, kNavy },
    { u"st_8", Kind::Label, u"800米跑（女）", 8, false, kNavy },
    { u"st_1", Kind::Label, u"1000米跑（男）", 8, false, kNavy },
    { u"st_t", Kind::Label, u"台阶试验", 8, false, kNavy },
    { u"st_s2", Kind::Label, u"体重", 8, false, kNavy },
    { u"st_s1", Kind::Label, u"身高", 8, false, kNavy },
    { u"rb_sex_woman", Kind::Radio, u"女", 14, true, kPurple },
    { u"rb_sex_man", Kind::Radio, u"男", 14, true, kNavy },
    { u"st_111", Kind::Label, u"成绩（分）", 9, false, rt::colors::kWindowText },
    { u"sle_dj", Kind::LineEdit, u"", 26, true, rt::colors::kWindowText },
    { u"em_xn_t", Kind::Score, u"", 26, true, kDarkRed },
    { u"em_w_t", Kind::Score, nullptr, 0, false, -1 },
    { u"em_y_t", Kind::Score, nullptr, 0, false, -1 },
    { u"em_z_t", Kind::Score, nullptr, 0, false, -1 },
    { u"em_l_t", Kind::Score, nullptr, 0, false, -1 },
    { u"em_5_t", Kind::Score, nullptr, 0, false, -1 },
    { u"em_f_t", Kind::Score, nullptr, 0, false, -1 },
    { u"em_8_t", Kind::Score, nullptr, 0, false, -1 },
    { u"em_1_t", Kind::Score, nullptr, 0, false, -1 },
    { u"em_t_t", Kind::Score, nullptr, 0, false, -1 },
    { u"em_s_t", Kind::Score, nullptr, 0, false, -1 },
    { u"cbx_59", Kind::Check, u"无故缺勤超1/10或病、事假超1/3。（最高为５９分）", 9, false,
      rt::colors::kWindowText },
    { u"cbx_4", Kind::Check, u"4、学生体育干部工作认真负责。（加５分）", 9, false,
      rt::colors::kWindowText },
    { u"cbx_3", Kind::Check, u"3、比赛获名次。（加５分）", 9, false, rt::colors::kWindowText },
    { u"cbx_2", Kind::Check, u"2、获等级运动员称号。（加５分）", 9, false, rt::colors::kWindowText },
    { u"cbx_1", Kind::Check, u"1、出勤率达到98%，并认真锻炼。（加５分）", 9, false,
      rt::colors::kWindowText },
    { u"em_8", Kind::Entry, nullptr, 0, false, -1 },
    { u"em_w", Kind::Entry, nullptr, 0, false, -1 },
    { u"em_y", Kind::Entry, nullptr, 0, false, -1 },
    { u"em_z", Kind::Entry, nullptr, 0, false, -1 },
    { u"em_l", Kind::Entry, nullptr, 0, false, -1 },
    { u"em_5", Kind::Entry, nullptr, 0, false, -1 },
    { u"em_f", Kind::Entry, nullptr, 0, false, -1 },
    { u"em_1", Kind::Entry, nullptr, 0, false, -1 },
    { u"em_t", Kind::Entry, nullptr, 0, false, -1 },
    { u"em_s2", Kind::Entry, nullptr, 0, false, -1 },
    { u"em_s1", Kind::Entry, nullptr, 0, false, -1 },
    { u"gb_sex", Kind::Group, u"性别", 8, false, rt::colors::kBlue },
    { u"gb_3", Kind::Group, u"加分", 9, true, rt::colors::kMagenta },
    { u"gb_4", Kind::Group, u"项目成绩", 8, false, rt::colors::kBlue },
    { u"gb_5", Kind::Group, u"降分", 9, true, kRed },
    { u"gb_6", Kind::Group, nullptr, 8, false, rt::colors::kBlue }, // caption from the profile
};

QFont arialFont(int pointSize, bool bold)
{
    QFont font(u"Arial"_s);
    font.setPointSize(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

// A text colour for the enabled look only, so that a disabled control still
// shows the greyed text of the window system.
void setTextColour(QWidget *widget, QPalette::ColorRole role, long code)
{
    QPalette palette = widget->palette();
    const QColor colour = rt::colors::fromCode(code);
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    widget->setPalette(palette);
}

// The entry fields in the order in which the sex switch moves the focus
// through them (the vital capacity follows the weight instead).
const char16_t *const kSexSwitchChain[] = {
    u"em_s1", u"em_s2", u"em_t", u"em_1", u"em_8", u"em_5", u"em_l", u"em_z", u"em_y", u"em_w",
};

// The 13 item flags, in the order in which the window reads them.
const char16_t *const kFlagColumns[] = {
    u"xm_t_m", u"xm_1_m", u"xm_5_m", u"xm_l_m", u"xm_z_m", u"xm_w_m", u"xm_t_w",
    u"xm_8_w", u"xm_5_w", u"xm_l_w", u"xm_z_w", u"xm_y_w", u"xm_w_w",
};

} // namespace

ScoreCalculatorWindow::ScoreCalculatorWindow(const YearProfile &profile, rt::Transaction &sqlca,
                                             QWidget *parent)
    : QDialog(parent)
    , m_profile(profile)
    , m_sqlca(sqlca)
    , m_dw4(settings::d_xmsz())
    , m_standard(sqlca)
{
    setObjectName(profile.className);
    // A title bar without a control menu: no close, minimize or maximize
    // box; the window closes through its own button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(profile.title);
    setWindowIcon(rt::stock::icon(u"AppIcon!"_s));
    setModal(true);
    setFixedSize(profile.clientSizePixels());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, rt::colors::fromCode(rt::colors::kButtonFace));
    setPalette(palette);
    setAutoFillBackground(true);

    createControls();
    applyTabOrder();
}

ScoreCalculatorWindow::~ScoreCalculatorWindow()
{
    m_closing = true;
}

template<typename T>
T *ScoreCalculatorWindow::make(const QString &name)
{
    auto *widget = new T(this);
    widget->setObjectName(name);
    m_controls[name] = widget;
    return widget;
}

QWidget *ScoreCalculatorWindow::control(const QString &name) const
{
    const auto it = m_controls.find(name);
    return it == m_controls.end() ? nullptr : it->second;
}

void ScoreCalculatorWindow::createControls()
{
    std::vector<QGroupBox *> groups;
    for (const ControlDesign &design : kDesign) {
        const QString name = QString::fromUtf16(design.name);
        const ControlPlacement *place = m_profile.placement(name);
        if (!place)
            continue;
        const QString text = design.text ? QString::fromUtf16(design.text) : QString();
        QWidget *widget = nullptr;
        switch (design.kind) {
        case Kind::Label: {
            auto *label = make<QLabel>(name);
            label->setText(text);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            widget = label;
            break;
        }
        case Kind::Entry:
        case Kind::Score: {
            auto *field = make<my_maskedit>(name);
            if (design.kind == Kind::Score)
                field->setMask(u"###,###.0"_s);
            if (design.text)
                field->setText(text);
            field->installEventFilter(this);
            widget = field;
            break;
        }
        case Kind::Group: {
            auto *group = make<QGroupBox>(name);
            group->setTitle(design.text ? text : m_profile.totalCaption);
            group->setFocusPolicy(Qt::NoFocus);
            groups.push_back(group);
            widget = group;
            break;
        }
        case Kind::Radio: {
            auto *radio = make<QRadioButton>(name);
            radio->setText(text);
            // Not in the tab sequence, but a click still reaches it.
            radio->setFocusPolicy(Qt::ClickFocus);
            widget = radio;
            break;
        }
        case Kind::Check: {
            auto *box = make<QCheckBox>(name);
            box->setText(text);
            widget = box;
            break;
        }
        case Kind::Button: {
            auto *button = make<QPushButton>(name);
            button->setText(text);
            widget = button;
            break;
        }
        case Kind::LineEdit: {
            auto *edit = make<QLineEdit>(name);
            edit->setText(text);
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Base, rt::colors::fromCode(kFieldBack));
            edit->setPalette(palette);
            widget = edit;
            break;
        }
        }
        widget->setGeometry(rt::units::rect(place->x, place->y, place->width, place->height));
        if (design.pointSize > 0)
            widget->setFont(arialFont(design.pointSize, design.bold));
        if (design.textColour >= 0) {
            const bool isField = design.kind == Kind::LineEdit || design.kind == Kind::Score;
            setTextColour(widget, isField ? QPalette::Text : QPalette::WindowText,
                          design.textColour);
            if (design.kind == Kind::Radio || design.kind == Kind::Check)
                setTextColour(widget, QPalette::ButtonText, design.textColour);
        }
    }
    // The group boxes frame the controls that lie over them.
    for (QGroupBox *group : groups)
        group->lower();

    auto field = [this](const char16_t *name) {
        return static_cast<my_maskedit *>(control(QString::fromUtf16(name)));
    };
    auto label = [this](const char16_t *name) {
        return name ? static_cast<QLabel *>(control(QString::fromUtf16(name))) : nullptr;
    };
    m_height = field(u"em_s1");
    m_weight = field(u"em_s2");
    m_vitalCapacity = field(u"em_f");
    m_heightWeightScore = field(u"em_s_t");
    m_vitalCapacityScore = field(u"em_f_t");
    m_total = field(u"em_xn_t");
    m_rating = static_cast<QLineEdit *>(control(u"sle_dj"_s));
    m_man = static_cast<QRadioButton *>(control(u"rb_sex_man"_s));
    m_woman = static_cast<QRadioButton *>(control(u"rb_sex_woman"_s));
    m_settingsButton = static_cast<QPushButton *>(control(u"cb_2"_s));
    m_closeButton = static_cast<QPushButton *>(control(u"cb_1"_s));
    m_absenceCap = static_cast<QCheckBox *>(control(u"cbx_59"_s));
    for (int i = 0; i < 4; ++i)
        m_bonus[i] = static_cast<QCheckBox *>(control(u"cbx_%1"_s.arg(i + 1)));

    // The optional rows in the order in which the total adds them up.
    struct RowNames
    {
        TestItem item;
        const char16_t *label, *unit, *entry, *score, *boys, *girls;
    };
    const RowNames rows[] = {
        { TestItem::StepTest, u"st_t", nullptr, u"em_t", u"em_t_t", u"xm_t_m", u"xm_t_w" },
        { TestItem::Run1000, u"st_1", u"st_11", u"em_1", u"em_1_t", u"xm_1_m", nullptr },
        { TestItem::Run800, u"st_8", u"st_88", u"em_8", u"em_8_t", nullptr, u"xm_8_w" },
        { TestItem::Run50, u"st_5", u"st_55", u"em_5", u"em_5_t", u"xm_5_m", u"xm_5_w" },
        { TestItem::LongJump, u"st_l", u"st_ll", u"em_l", u"em_l_t", u"xm_l_m", u"xm_l_w" },
        { TestItem::SitAndReach, u"st_z", u"st_zz", u"em_z", u"em_z_t", u"xm_z_m", u"xm_z_w" },
        { TestItem::SitUps, u"st_y", u"st_yy", u"em_y", u"em_y_t", nullptr, u"xm_y_w" },
        { TestItem::GripIndex, u"st_w", nullptr, u"em_w", u"em_w_t", u"xm_w_m", u"xm_w_w" },
    };
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const RowNames &names = rows[i];
        m_rows[i] = ItemRow { names.item,
                              names.boys ? QString::fromUtf16(names.boys) : QString(),
                              names.girls ? QString::fromUtf16(names.girls) : QString(),
                              label(names.label),
                              label(names.unit),
                              field(names.entry),
                              field(names.score) };
    }

    m_man->setChecked(true);
    connect(m_man, &QRadioButton::clicked, this, &ScoreCalculatorWindow::switchSex);
    connect(m_woman, &QRadioButton::clicked, this, &ScoreCalculatorWindow::switchSex);
    for (QCheckBox *box : m_bonus)
        connect(box, &QCheckBox::clicked, this, &ScoreCalculatorWindow::xn);
    connect(m_absenceCap, &QCheckBox::clicked, this, &ScoreCalculatorWindow::xn);
    connect(m_settingsButton, &QPushButton::clicked, this, &ScoreCalculatorWindow::openSettings);
    connect(m_closeButton, &QPushButton::clicked, this, &ScoreCalculatorWindow::closeWindow);
}

void ScoreCalculatorWindow::applyTabOrder()
{
    // The controls that take part, by their tab order value; equal values
    // keep the profile's order.
    std::vector<const ControlPlacement *> order;
    for (const ControlPlacement &place : m_profile.layout) {
        QWidget *widget = control(place.name);
        if (!widget || place.tabOrder <= 0 || widget->focusPolicy() == Qt::NoFocus
            || qobject_cast<QGroupBox *>(widget))
            continue;
        order.push_back(&place);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const ControlPlacement *a, const ControlPlacement *b) {
                         return a->tabOrder < b->tabOrder;
                     });
    // Everything else is reached by a click only.
    for (const ControlPlacement &place : m_profile.layout) {
        QWidget *widget = control(place.name);
        if (widget && place.tabOrder <= 0 && widget->focusPolicy() != Qt::NoFocus)
            widget->setFocusPolicy(Qt::ClickFocus);
    }
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(control(order[i - 1]->name), control(order[i]->name));
}

// ---------------------------------------------------------------------------
// Open, "项目设置" and "关闭"

void ScoreCalculatorWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_openStarted)
        return;
    m_openStarted = true;
    if (isWindow()) {
        if (const QScreen *screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft() + (geometry().topLeft() - frameGeometry().topLeft()));
        }
    }
    // The open handling may show boxes and the settings window; it runs once
    // the window is on the screen.
    rt::post(this, [this] { open(); });
}

long ScoreCalculatorWindow::retrieveYear()
{
    m_dw4.setTransObject(&m_sqlca);
    return m_dw4.retrieve({ m_profile.yearCode });
}

void ScoreCalculatorWindow::showRetrieveError()
{
    MessageBoxService::show(this, u"错误"_s, m_sqlca.SQLErrText, MessageBoxService::Icon::StopSign);
}

void ScoreCalculatorWindow::open()
{
    long rowNumber = retrieveYear();
    while (rowNumber < 1) {
        // A database error is no missing row: asking for the settings again
        // would not help, so the window reports it and closes.
        if (rowNumber < 0) {
            showRetrieveError();
            closeWindow();
            return;
        }
        MessageBoxService::show(this, u"注意"_s, m_profile.setupMessage,
                                MessageBoxService::Icon::Exclamation);
        if (!rt::windows::openModalByName(m_profile.settingsWindow, this)) {
            // Without its settings window the year can never be set up.
            closeWindow();
            return;
        }
        rowNumber = retrieveYear();
    }
    readFlags();
    checked();
    for (const char16_t *name : { u"em_s1", u"em_s2", u"em_z", u"em_5", u"em_l", u"em_t", u"em_1",
                                  u"em_8", u"em_f", u"em_y", u"em_w" })
        static_cast<my_maskedit *>(control(QString::fromUtf16(name)))->setText(QString());
    m_height->setFocus(Qt::OtherFocusReason);
    m_ready = true;
    Q_EMIT opened();
}

void ScoreCalculatorWindow::readFlags()
{
    const long row = m_dw4.getRow();
    for (const char16_t *column : kFlagColumns) {
        const QString name = QString::fromUtf16(column);
        m_flags[name] = m_dw4.getItemString(row, name);
    }
}

void ScoreCalculatorWindow::openSettings()
{
    rt::windows::openModalByName(m_profile.settingsWindow, this);
    const long rowNumber = retrieveYear();
    if (rowNumber < 0) {
        showRetrieveError();
        return;
    }
    if (rowNumber < 1) {
        MessageBoxService::show(this, u"注意"_s, m_profile.setupMessage,
                                MessageBoxService::Icon::Exclamation);
        return;
    }
    const auto before = m_flags;
    readFlags();
    checked();
    // Rows that the new choice disables must no longer count in the total.
    if (m_flags != before && m_ready)
        xn();
}

void ScoreCalculatorWindow::closeWindow()
{
    m_closing = true;
    m_ready = false;
    done(QDialog::Accepted);
}

void ScoreCalculatorWindow::closeEvent(QCloseEvent *event)
{
    // Only "关闭" closes the window, not the window manager.
    if (event->spontaneous() && !m_closing) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void ScoreCalculatorWindow::keyPressEvent(QKeyEvent *event)
{
    // Esc does not close the window either.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// ---------------------------------------------------------------------------
// Item rows

scoring::Sex ScoreCalculatorWindow::sex() const
{
    return m_man->isChecked() ? scoring::Sex::Boy : scoring::Sex::Girl;
}

float ScoreCalculatorWindow::fieldValue(const QLineEdit *field)
{
    return scoring::readReal32(field->text().toStdString());
}

void ScoreCalculatorWindow::checked()
{
    auto setRowEnabled = [](ItemRow &row, bool enabled) {
        row.label->setEnabled(enabled);
        if (row.unit)
            row.unit->setEnabled(enabled);
        row.entry->setEnabled(enabled);
        row.score->setEnabled(enabled);
    };
    for (ItemRow &row : m_rows)
        setRowEnabled(row, true);
    const bool boys = sex() == scoring::Sex::Boy;
    for (ItemRow &row : m_rows) {
        const QString &flagName = boys ? row.boysFlag : row.girlsFlag;
        if (flagName.isEmpty()) {
            setRowEnabled(row, false); // an item this sex never takes
            continue;
        }
        const std::optional<QString> &flag = m_flags[flagName];
        if (flag && *flag == u"0"_s)
            setRowEnabled(row, false);
    }
}

// ---------------------------------------------------------------------------
// Scoring

bool ScoreCalculatorWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && m_ready && !m_closing) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // A box or another window taking the focus for a while is no leave.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && reason != Qt::MenuBarFocusReason) {
            if (auto *field = qobject_cast<my_maskedit *>(watched))
                leaveField(field);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ScoreCalculatorWindow::leaveField(my_maskedit *field)
{
    bool scored = true;
    if (field == m_height) {
        sg();
    } else if (field == m_weight) {
        leaveWeight();
    } else if (field == m_vitalCapacity) {
        scoreVitalCapacity();
    } else {
        scored = false;
        for (ItemRow &row : m_rows) {
            if (row.entry == field) {
                scoreItemRow(row);
                scored = true;
                break;
            }
        }
    }
    if (scored && m_switchingSex)
        m_scoredDuringSwitch.insert(field);
}

void ScoreCalculatorWindow::scoreItemRow(ItemRow &row)
{
    const std::optional<float> value = scoring::parseReal32(row.entry->text().toStdString());
    const scoring::ScoreLadder &ladder = m_profile.ladders->ladder(row.item, sex());
    const int score = scoring::scoreItem(ladder, value.value_or(0.0f), !value.has_value());
    row.score->setText(QString::number(score));
    xn();
}

void ScoreCalculatorWindow::scoreVitalCapacity()
{
    const float weight = fieldValue(m_weight);
    const float capacity = fieldValue(m_vitalCapacity);
    const auto &ladder = m_profile.ladders->ladder(TestItem::VitalCapacity, sex());
    const std::optional<int> score = scoring::scoreVitalCapacity(ladder, capacity, weight);
    if (!score) {
        MessageBoxService::show(this, m_profile.vitalCapacityTitle, m_profile.vitalCapacityText,
                                MessageBoxService::Icon::Information);
        return;
    }
    m_vitalCapacityScore->setText(QString::number(*score));
    xn();
}

void ScoreCalculatorWindow::leaveWeight()
{
    sg();
    // The vital capacity is scored per kilogram, so a new weight re-scores it.
    scoreVitalCapacity();
}

void ScoreCalculatorWindow::sg()
{
    const scoring::Sex sex = this->sex();
    int score = 0;
    const auto body = scoring::heightWeightLookup(fieldValue(m_height), fieldValue(m_weight),
                                                  scoring::heightRangeFor(sex));
    std::optional<HeightWeightStandard::Lookup> problem;
    if (body) {
        m_h = body->height;
        m_w = body->weight;
        const HeightWeightStandard::Lookup lookup = m_standard.lookup(sex, m_h);
        if (lookup.outcome == HeightWeightStandard::Outcome::Found) {
            m_bounds = lookup.bounds;
            score = scoring::weightBandScore(m_w, m_bounds);
            m_reportedProblem.clear();
        } else {
            // Never the bounds of an earlier height: no row, no score.
            problem = lookup;
        }
    }
    m_heightWeightScore->setText(QString::number(score));
    if (problem)
        reportLookupProblem(*problem, m_h);
    xn();
}

void ScoreCalculatorWindow::reportLookupProblem(const HeightWeightStandard::Lookup &lookup,
                                                float height)
{
    const QString table = sex() == scoring::Sex::Boy ? u"cz123_m"_s : u"cz123_w"_s;
    const QString heightText = QString::number(height, 'g', 7);
    QString title = u"提示"_s;
    QString text;
    switch (lookup.outcome) {
    case HeightWeightStandard::Outcome::NoRow:
        text = u"身高标准体重表 %1 中没有身高 %2 厘米的数据，身高标准体重成绩记为 0 分。"_s.arg(
            table, heightText);
        break;
    case HeightWeightStandard::Outcome::NullBound:
        text = u"身高标准体重表 %1 中身高 %2 厘米的数据不完整，身高标准体重成绩记为 0 分。"_s.arg(
            table, heightText);
        break;
    case HeightWeightStandard::Outcome::Failed:
    case HeightWeightStandard::Outcome::Found:
        title = u"错误"_s;
        text = lookup.errorText;
        break;
    }
    // Told once: the same problem again (another leave, the sex switch)
    // stays silent until a lookup succeeds or another problem comes up.
    const QString key = title + u'\n' + text;
    if (key == m_reportedProblem)
        return;
    m_reportedProblem = key;
    MessageBoxService::show(this, title, text,
                            title == u"错误"_s ? MessageBoxService::Icon::StopSign
                                               : MessageBoxService::Icon::Exclamation);
}

void ScoreCalculatorWindow::xn()
{
    scoring::TotalInputs inputs;
    inputs.heightWeight = fieldValue(m_heightWeightScore);
    inputs.vitalCapacity = fieldValue(m_vitalCapacityScore);
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        inputs.items[i] = { fieldValue(m_rows[i].score), m_rows[i].score->isEnabledTo(this) };
    for (std::size_t i = 0; i < m_bonus.size(); ++i)
        inputs.bonusBoxes[i] = m_bonus[i]->isChecked();
    inputs.absenceCap = m_absenceCap->isChecked();

    const scoring::TotalResult result = scoring::schoolYearTotal(inputs);
    const std::string_view word = scoring::ratingText(result.rating);
    if (const auto colour = scoring::ratingColour(result.rating)) {
        QPalette palette = m_rating->palette();
        palette.setColor(QPalette::Text, rt::colors::fromCode(static_cast<long>(*colour)));
        m_rating->setPalette(palette);
    }
    m_total->setText(QString::number(result.total));
    m_rating->setText(QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())));
}

// ---------------------------------------------------------------------------
// Sex switch

void ScoreCalculatorWindow::switchSex()
{
    if (!m_ready)
        return;
    // Moving the focus through the entry fields scores each one that is
    // left for the new sex, in the order of the form.
    m_scoredDuringSwitch.clear();
    m_switchingSex = true;
    for (const char16_t *name : kSexSwitchChain)
        control(QString::fromUtf16(name))->setFocus(Qt::OtherFocusReason);
    m_switchingSex = false;
    checked();
    // The field that keeps the focus at the end of the chain (the grip
    // index), and any field the chain could not enter while it was disabled,
    // has not been left: score each such field of the new sex's rows too, so
    // that no score of the previous sex stays in the total.
    if (!m_scoredDuringSwitch.contains(m_height))
        sg();
    if (!m_scoredDuringSwitch.contains(m_weight))
        leaveWeight();
    for (ItemRow &row : m_rows) {
        if (row.entry->isEnabledTo(this) && !m_scoredDuringSwitch.contains(row.entry))
            scoreItemRow(row);
    }
    m_scoredDuringSwitch.clear();
    xn();
}

} // namespace calculator
