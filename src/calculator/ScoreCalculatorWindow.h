#pragma once

#include "calculator/HeightWeightStandard.h"
#include "calculator/YearProfile.h"
#include "db/DataView.h"
#include "db/Transaction.h"
#include "runtime/ControlBuilder.h"

#include <QDialog>

#include <array>
#include <map>
#include <optional>
#include <set>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace controls {
class my_maskedit;
}

namespace rt {
class CloseGuard;
}

namespace calculator {

// The score calculator of one school year: the student's measurements and
// item results become item scores, the height-weight score, the school-year
// total and its rating. What the years differ in comes from the profile; the
// window reads the year's chosen items from xmsz through `sqlca` and only
// reads the database.
//
// The open handling runs once the window is first shown: it asks for the
// year's settings while the year has no row, reads the item flags and
// enables the rows of the selected sex.
class ScoreCalculatorWindow : public QDialog
{
    Q_OBJECT

public:
    ScoreCalculatorWindow(
        const YearProfile &profile, db::Transaction &sqlca, QWidget *parent = nullptr);
    ~ScoreCalculatorWindow() override;

    const YearProfile &profile() const { return m_profile; }

Q_SIGNALS:
    // The open handling has finished and the window is ready for input.
    void opened();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // One of the eight optional item rows.
    struct OptionalItemRow
    {
        scoring::TestItem item = scoring::TestItem::StepTest;
        QString boysFlag {}; // empty: the row is always disabled for boys
        QString girlsFlag {}; // empty: always disabled for girls
        QLabel *label = nullptr;
        QLabel *unit = nullptr;
        controls::my_maskedit *entry = nullptr;
        controls::my_maskedit *score = nullptr;
    };

    void connectControls();
    controls::my_maskedit *field(const QString &name) const;

    void open();
    void openSettings();
    void closeWindow();
    // The year's row of xmsz: its count, or a negative number on failure.
    long retrieveYear();
    void readFlags();
    void showRetrieveError();
    // The year's set-up message: the year has no row yet.
    void showSetupMessage();

    scoring::Sex sex() const;
    static float fieldValue(const QLineEdit *field);

    // Enables the optional rows that the item flags choose for the selected
    // sex and disables the others.
    void enableItemRows();
    // The height-weight score from the height, the weight and the standard
    // table, then the total.
    void scoreHeightAndWeight();
    // The school-year total and its rating from the score fields and the
    // boxes; in the third year the graduation score after it.
    void showSchoolYearTotal();

    // Leave handling of the entry fields.
    void leaveField(controls::my_maskedit *field);
    void scoreOptionalRow(OptionalItemRow &row);
    void scoreVitalCapacity();
    void leaveWeight();
    void switchSex();
    void reportLookupProblem(const HeightWeightStandard::Lookup &lookup, float height);

    const YearProfile &m_profile;
    db::Transaction &m_sqlca;
    db::DataView m_yearRow; // the year's row of xmsz
    HeightWeightStandard m_standard;

    rt::ControlBuilder m_controls;
    rt::CloseGuard *m_closeGuard;
    // The optional rows in the order in which the total adds them up, and
    // every row's entry field top to bottom.
    std::vector<OptionalItemRow> m_optionalRows;
    std::vector<controls::my_maskedit *> m_entries;
    controls::my_maskedit *m_height = nullptr;
    controls::my_maskedit *m_weight = nullptr;
    controls::my_maskedit *m_vitalCapacity = nullptr;
    controls::my_maskedit *m_heightWeightScore = nullptr;
    controls::my_maskedit *m_vitalCapacityScore = nullptr;
    controls::my_maskedit *m_total = nullptr;
    QLineEdit *m_rating = nullptr;
    QRadioButton *m_boysButton = nullptr;
    QRadioButton *m_girlsButton = nullptr;
    std::array<QCheckBox *, 4> m_bonusBoxes {};
    QCheckBox *m_absenceCapBox = nullptr;
    QPushButton *m_settingsButton = nullptr;
    QPushButton *m_closeButton = nullptr;

    // The item flags of the year's row, by column name; nullopt for a null
    // column.
    std::map<QString, std::optional<QString>> m_flags;

    // The last standard-table problem reported, so that it is told once.
    QString m_reportedProblem;

    bool m_openStarted = false;
    bool m_ready = false; // scoring runs only once the open handling is done
    bool m_closing = false;
    bool m_switchingSex = false;
    std::set<const controls::my_maskedit *> m_scoredDuringSwitch;
};

} // namespace calculator
