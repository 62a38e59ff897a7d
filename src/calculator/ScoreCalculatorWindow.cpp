#include "calculator/ScoreCalculatorWindow.h"

#include "calculator/BoxTitles.h"
#include "calculator/RatingField.h"
#include "controls/EntryControlFactories.h"
#include "controls/my_maskedit.h"
#include "items/ItemRow.h"
#include "items/XmszTable.h"
#include "runtime/CloseGuard.h"
#include "runtime/MessageBoxService.h"
#include "runtime/WindowDecl.h"
#include "runtime/Windows.h"
#include "scoring/Real32.h"
#include "scoring/SchoolYearTotal.h"
#include "scoring/VitalCapacity.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace calculator {

namespace {

using rt::MessageBoxService;
using scoring::TestItem;

} // namespace

ScoreCalculatorWindow::ScoreCalculatorWindow(
    const YearProfile &profile, db::Transaction &sqlca, QWidget *parent)
    : QDialog(parent)
    , m_profile(profile)
    , m_sqlca(sqlca)
    , m_yearRow(items::d_xmsz())
    , m_standard(sqlca)
    , m_controls(this, profile.controls, controls::entryControlFactories())
    , m_closeGuard(new rt::CloseGuard(this))
{
    rt::setUpWindow(this, calculatorWindow(profile));
    connectControls();
}

ScoreCalculatorWindow::~ScoreCalculatorWindow()
{
    m_closing = true;
}

controls::my_maskedit *ScoreCalculatorWindow::field(const QString &name) const
{
    return m_controls.get<controls::my_maskedit>(name);
}

void ScoreCalculatorWindow::connectControls()
{
    m_controls.get<QGroupBox>(u"gb_6"_s)->setTitle(m_profile.totalCaption);
    for (const rt::ControlDecl &decl : m_profile.controls) {
        if (decl.kind == rt::ControlKind::MaskedEdit)
            m_controls.get<controls::my_maskedit>(decl.name)->installEventFilter(this);
    }

    m_rating = m_controls.get<QLineEdit>(u"sle_dj"_s);
    m_total = field(u"em_xn_t"_s);
    m_boysButton = m_controls.get<QRadioButton>(u"rb_sex_man"_s);
    m_girlsButton = m_controls.get<QRadioButton>(u"rb_sex_woman"_s);
    m_settingsButton = m_controls.get<QPushButton>(u"cb_2"_s);
    m_closeButton = m_controls.get<QPushButton>(u"cb_1"_s);
    m_absenceCapBox = m_controls.get<QCheckBox>(u"cbx_59"_s);
    for (int i = 0; i < 4; ++i)
        m_bonusBoxes[i] = m_controls.get<QCheckBox>(u"cbx_%1"_s.arg(i + 1));

    // The item rows: the fixed ones by what they measure, the optional test
    // items in the order in which the total adds them up.
    for (const items::ItemRow &row : items::itemRows()) {
        m_entries.push_back(field(row.entryName));
        switch (row.kind) {
        case items::ItemRow::Kind::Height:
            m_height = field(row.entryName);
            break;
        case items::ItemRow::Kind::Weight:
            m_weight = field(row.entryName);
            m_heightWeightScore = field(row.scoreName);
            break;
        case items::ItemRow::Kind::VitalCapacity:
            m_vitalCapacity = field(row.entryName);
            m_vitalCapacityScore = field(row.scoreName);
            break;
        case items::ItemRow::Kind::TestItem:
            m_optionalRows.push_back({ .item = row.item,
                .boysFlag = row.boysFlag,
                .girlsFlag = row.girlsFlag,
                .label = m_controls.get<QLabel>(row.labelName),
                .unit = row.unitName.isEmpty() ? nullptr : m_controls.get<QLabel>(row.unitName),
                .entry = field(row.entryName),
                .score = field(row.scoreName) });
            break;
        }
    }
    Q_ASSERT(m_optionalRows.size() == scoring::TotalInputs().items.size());

    m_boysButton->setChecked(true);
    connect(m_boysButton, &QRadioButton::clicked, this, &ScoreCalculatorWindow::switchSex);
    connect(m_girlsButton, &QRadioButton::clicked, this, &ScoreCalculatorWindow::switchSex);
    for (QCheckBox *box : m_bonusBoxes)
        connect(box, &QCheckBox::clicked, this, &ScoreCalculatorWindow::showSchoolYearTotal);
    connect(
        m_absenceCapBox, &QCheckBox::clicked, this, &ScoreCalculatorWindow::showSchoolYearTotal);
    connect(m_settingsButton, &QPushButton::clicked, this, &ScoreCalculatorWindow::openSettings);
    connect(m_closeButton, &QPushButton::clicked, this, &ScoreCalculatorWindow::closeWindow);

    if (m_profile.graduation) {
        // A changed first- or second-year total recomputes everything at
        // once, as the other fields do when they are left.
        for (const QString &name : m_profile.graduation->inputs) {
            connect(m_controls.get<controls::my_maskedit>(name), &controls::my_maskedit::modified,
                this, [this] {
                    if (m_ready && !m_closing)
                        showSchoolYearTotal();
                });
        }
    }
}

// ---------------------------------------------------------------------------
// Open, "项目设置" and "关闭"

void ScoreCalculatorWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_openStarted)
        return;
    m_openStarted = true;
    // The open handling may show boxes and the settings window; it runs once
    // the window is on the screen.
    rt::post(this, [this] { open(); });
}

long ScoreCalculatorWindow::retrieveYear()
{
    m_yearRow.setTransObject(&m_sqlca);
    return m_yearRow.retrieve({ m_profile.yearCode });
}

void ScoreCalculatorWindow::showRetrieveError()
{
    MessageBoxService::show(
        this, kErrorTitle, m_sqlca.SQLErrText, MessageBoxService::Icon::StopSign);
}

void ScoreCalculatorWindow::showSetupMessage()
{
    MessageBoxService::show(
        this, kAttentionTitle, m_profile.setupMessage, MessageBoxService::Icon::Exclamation);
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
        showSetupMessage();
        if (!rt::windows::openModalByName(m_profile.settingsWindow, this)) {
            // Without its settings window the year can never be set up.
            closeWindow();
            return;
        }
        rowNumber = retrieveYear();
    }
    readFlags();
    enableItemRows();
    for (controls::my_maskedit *entry : m_entries)
        entry->setText(QString());
    m_controls.get<QWidget>(m_profile.firstFocus)->setFocus(Qt::OtherFocusReason);
    m_ready = true;
    Q_EMIT opened();
}

void ScoreCalculatorWindow::readFlags()
{
    const long row = m_yearRow.getRow();
    for (const QString &column : items::flagColumns())
        m_flags[column] = m_yearRow.getItemString(row, column);
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
        showSetupMessage();
        return;
    }
    const auto before = m_flags;
    readFlags();
    enableItemRows();
    // Rows that the new choice disables must no longer count in the total.
    if (m_flags != before && m_ready)
        showSchoolYearTotal();
}

void ScoreCalculatorWindow::closeWindow()
{
    m_closing = true;
    m_ready = false;
    m_closeGuard->closeWindow();
}

// ---------------------------------------------------------------------------
// Item rows

scoring::Sex ScoreCalculatorWindow::sex() const
{
    return m_boysButton->isChecked() ? scoring::Sex::Boy : scoring::Sex::Girl;
}

float ScoreCalculatorWindow::fieldValue(const QLineEdit *field)
{
    return scoring::readReal32(field->text().toStdString());
}

void ScoreCalculatorWindow::enableItemRows()
{
    auto setRowEnabled = [](OptionalItemRow &row, bool enabled) {
        row.label->setEnabled(enabled);
        if (row.unit)
            row.unit->setEnabled(enabled);
        row.entry->setEnabled(enabled);
        row.score->setEnabled(enabled);
    };
    for (OptionalItemRow &row : m_optionalRows)
        setRowEnabled(row, true);
    const bool boys = sex() == scoring::Sex::Boy;
    for (OptionalItemRow &row : m_optionalRows) {
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
            if (auto *field = qobject_cast<controls::my_maskedit *>(watched))
                leaveField(field);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ScoreCalculatorWindow::leaveField(controls::my_maskedit *field)
{
    bool scored = true;
    if (field == m_height) {
        scoreHeightAndWeight();
    } else if (field == m_weight) {
        leaveWeight();
    } else if (field == m_vitalCapacity) {
        scoreVitalCapacity();
    } else {
        scored = false;
        for (OptionalItemRow &row : m_optionalRows) {
            if (row.entry == field) {
                scoreOptionalRow(row);
                scored = true;
                break;
            }
        }
    }
    if (scored && m_switchingSex)
        m_scoredDuringSwitch.insert(field);
}

void ScoreCalculatorWindow::scoreOptionalRow(OptionalItemRow &row)
{
    const std::optional<float> value = scoring::parseReal32(row.entry->text().toStdString());
    const scoring::ScoreLadder &ladder = m_profile.ladders->ladder(row.item, sex());
    const int score = scoring::scoreItem(ladder, value.value_or(0.0f), !value.has_value());
    row.score->setText(QString::number(score));
    showSchoolYearTotal();
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
    showSchoolYearTotal();
}

void ScoreCalculatorWindow::leaveWeight()
{
    scoreHeightAndWeight();
    // The vital capacity is scored per kilogram, so a new weight re-scores it.
    scoreVitalCapacity();
}

void ScoreCalculatorWindow::scoreHeightAndWeight()
{
    const scoring::Sex sex = this->sex();
    int score = 0;
    const auto body = scoring::heightWeightLookup(
        fieldValue(m_height), fieldValue(m_weight), scoring::heightRangeFor(sex));
    std::optional<HeightWeightStandard::Lookup> problem;
    if (body) {
        // The height and weight after the height range shift.
        const HeightWeightStandard::Lookup lookup = m_standard.lookup(sex, body->height);
        if (lookup.outcome == HeightWeightStandard::Outcome::Found) {
            score = scoring::weightBandScore(body->weight, lookup.bounds);
            m_reportedProblem.clear();
        } else {
            // Never the bounds of an earlier height: no row, no score.
            problem = lookup;
        }
    }
    m_heightWeightScore->setText(QString::number(score));
    if (problem)
        reportLookupProblem(*problem, body->height);
    showSchoolYearTotal();
}

void ScoreCalculatorWindow::reportLookupProblem(
    const HeightWeightStandard::Lookup &lookup, float height)
{
    const QString table = sex() == scoring::Sex::Boy ? u"cz123_m"_s : u"cz123_w"_s;
    const QString heightText = QString::number(height, 'g', 7);
    QString title = kNoticeTitle;
    QString text;
    MessageBoxService::Icon icon = MessageBoxService::Icon::Exclamation;
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
        title = kErrorTitle;
        text = lookup.errorText;
        icon = MessageBoxService::Icon::StopSign;
        break;
    }
    // Told once: the same problem again (another leave, the sex switch)
    // stays silent until a lookup succeeds or another problem comes up.
    const QString key = title + u'\n' + text;
    if (key == m_reportedProblem)
        return;
    m_reportedProblem = key;
    MessageBoxService::show(this, title, text, icon);
}

void ScoreCalculatorWindow::showSchoolYearTotal()
{
    scoring::TotalInputs inputs;
    inputs.heightWeight = fieldValue(m_heightWeightScore);
    inputs.vitalCapacity = fieldValue(m_vitalCapacityScore);
    for (std::size_t i = 0; i < m_optionalRows.size(); ++i)
        inputs.items[i]
            = { fieldValue(m_optionalRows[i].score), m_optionalRows[i].score->isEnabledTo(this) };
    for (std::size_t i = 0; i < m_bonusBoxes.size(); ++i)
        inputs.bonusBoxes[i] = m_bonusBoxes[i]->isChecked();
    inputs.absenceCap = m_absenceCapBox->isChecked();

    const scoring::TotalResult result = scoring::schoolYearTotal(inputs);
    m_total->setText(QString::number(result.total));
    showRating(m_rating, result.rating);
    if (m_profile.graduation && m_profile.graduation->afterTotal)
        m_profile.graduation->afterTotal(m_controls, result);
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
    for (controls::my_maskedit *entry : m_entries) {
        if (entry != m_vitalCapacity)
            entry->setFocus(Qt::OtherFocusReason);
    }
    m_switchingSex = false;
    enableItemRows();
    // The field that keeps the focus at the end of the chain (the grip
    // index), and any field the chain could not enter while it was disabled,
    // has not been left: score each such field of the new sex's rows too, so
    // that no score of the previous sex stays in the total.
    if (!m_scoredDuringSwitch.contains(m_height))
        scoreHeightAndWeight();
    if (!m_scoredDuringSwitch.contains(m_weight))
        leaveWeight();
    for (OptionalItemRow &row : m_optionalRows) {
        if (row.entry->isEnabledTo(this) && !m_scoredDuringSwitch.contains(row.entry))
            scoreOptionalRow(row);
    }
    m_scoredDuringSwitch.clear();
    showSchoolYearTotal();
}

} // namespace calculator
