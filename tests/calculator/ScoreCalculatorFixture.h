#pragma once

// What the calculator window's tests share: a fresh database of the run's
// driver with a small fixture of standard-table rows, the program's own
// transaction on it, the year's profile from the test's "year" column, and
// the steps the user takes in the window (typing into a field, Enter, the
// bonus boxes, the settings window standing in for the real one).

#include "calculator/CalculatorWindows.h"
#include "calculator/ScoreCalculatorWindow.h"
#include "calculator/YearProfile.h"
#include "calculator/w_jsq_by.h"
#include "controls/my_maskedit.h"
#include "controls/pfc_picture_command_button.h"
#include "items/XmszTable.h"
#include "runtime/LayoutUnits.h"
#include "runtime/SystemColors.h"
#include "runtime/WindowRegistry.h"
#include "runtime/WindowStyle.h"
#include "runtime/Windows.h"
#include "settings/SettingsWindows.h"
#include "shell/startpage/StartPage.h"
#include "shell/w_main1.h"
#include "support/FieldTyping.h"
#include "support/MessageBoxRecorder.h"
#include "support/TestDatabase.h"
#include "support/YearTexts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <numeric>

#include <map>

class ScoreCalculatorFixture
{
protected:
    // Every test function's init and cleanup.
    void initFixture();
    void cleanupFixture();

    // The column "year" and one row per school year, for the scenarios
    // whose steps and expectations are the same in every year.
    static void addYearRows();
    static QColor colour(long code);

    // The year's row of xmsz, every flag `value` unless overridden; another
    // year's row when `year` is given.
    void insertYearRow(const QString &value = QStringLiteral("1"),
        const std::map<QString, QString> &overrides = {}, bool throughProgram = false,
        const QString &yearCode = QString());
    // Writes as the settings window does: through the program's own
    // transaction, committed.
    void saveThroughProgram(const QString &sql);
    std::unique_ptr<calculator::ScoreCalculatorWindow> openWindow();
    template <typename T = controls::my_maskedit> T *find(const QString &name) const
    {
        T *widget = m_window->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    // Clicks into a field, types the text and leaves the field with Tab.
    void type(const QString &field, const QString &text);
    // Types into the field that has the focus and presses Enter.
    void enter(const QString &field, const QString &text);
    void click(const QString &box) { QTest::mouseClick(find<QCheckBox>(box), Qt::LeftButton); }
    void registerSettings(std::function<void()> onOpen);
    int settingsOpened() const { return m_settingsOpened; }
    // What the year's window says, as the user reads it.
    const support::YearTexts &year() const { return support::yearTexts(m_year); }
    // The field that has the focus once the window is open: the first
    // entry field, in the third year the first-year total.
    QString firstFocus() const
    {
        return m_year == 3 ? QStringLiteral("em_c1") : QStringLiteral("em_s1");
    }
    QString total() const { return find(QStringLiteral("em_xn_t"))->text(); }
    QString graduation() const { return find(QStringLiteral("em_by_cj"))->text(); }
    QLineEdit *graduationRating() const { return find<QLineEdit>(QStringLiteral("sle_by_dj")); }

    support::TestDatabase m_db;
    db::Transaction m_sqlca;
    std::unique_ptr<support::MessageBoxRecorder> m_boxes;
    std::unique_ptr<calculator::ScoreCalculatorWindow> m_window;
    int m_settingsOpened = 0;
    int m_year = 1;
    const calculator::YearProfile *m_profile = nullptr;
    bool m_schemaIntact = false;
};
