// The data view over one table, on table xmsz with the program's own data
// object, against the real driver of this run: retrieve, insert, update of
// new and retrieved rows, and what a second connection sees afterwards.

#include "db/DataView.h"
#include "db/Transaction.h"
#include "support/TestDatabase.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList xmszColumns = {
    u"nj"_s,
    u"xm_z_m"_s,
    u"xm_5_m"_s,
    u"xm_l_m"_s,
    u"xm_t_m"_s,
    u"xm_58_m"_s,
    u"xm_w_m"_s,
    u"xm_1_m"_s,
    u"xm_8_w"_s,
    u"xm_z_w"_s,
    u"xm_5_w"_s,
    u"xm_l_w"_s,
    u"xm_t_w"_s,
    u"xm_58_w"_s,
    u"xm_w_w"_s,
    u"xm_y_w"_s,
};

db::DataObject xmszObject()
{
    return { u"xmsz"_s, xmszColumns, { u"nj"_s }, { u"nj"_s } };
}

// One stored column of one year's row, read by a second connection; "<null>"
// for SQL NULL, "<none>" when there is no such row.
QString stored(support::TestDatabase &db, const QString &nj, const QString &column)
{
    const auto rows = db.query(u"select %1 from xmsz where nj = ?"_s.arg(column), { nj });
    if (!rows)
        return u"<error: "_s + db.lastError() + u">"_s;
    if (rows->empty())
        return u"<none>"_s;
    return rows->front().front().value_or(u"<null>"_s);
}

long storedRowCount(support::TestDatabase &db)
{
    const auto rows = db.query(u"select count(*) from xmsz"_s);
    return rows && !rows->empty() ? rows->front().front().value_or(QString()).toLong() : -1;
}

} // namespace

class TestDataView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void retrieveOfYearWithoutRowIsEmpty();
    void insertedRowIsWrittenAndReadBackBySecondConnection();
    void updateWritesOnlyChangedColumns();
    void secondUpdateChangesTheSameRow();
    void nullAndEmptyItemsReadBack();
    void failedUpdateCanBeRetriedAfterRollback();
    void duplicateRowFailsWithItsOwnTextEachTime();
    void updateOfVanishedRowFails();
    void failedUpdateTakesBackItsEarlierRows();
    void newRowWithNothingSetIsNotWritten();
    void chineseItemRoundTrips();
    void badRowsAndColumnsAreRefused();
    void retrieveFailureGivesMinusOne();

private:
    support::TestDatabase m_db;
    db::Transaction m_sqlca;
};

void TestDataView::init()
{
    QVERIFY2(m_db.create(), qPrintable(m_db.lastError()));
    support::TestDatabase::setUpProgramTransaction(m_sqlca);
    m_sqlca.connect();
    QVERIFY2(m_sqlca.SQLCode == 0, qPrintable(m_sqlca.SQLErrText));
}

void TestDataView::cleanup()
{
    m_sqlca.disconnect();
}

void TestDataView::retrieveOfYearWithoutRowIsEmpty()
{
    db::DataView dw(xmszObject());
    dw.setTransObject(&m_sqlca);
    QCOMPARE(dw.retrieve({ u"21"_s }), 0L);
    QCOMPARE(dw.rowCount(), 0L);
    QCOMPARE(dw.getRow(), 0L);
    QVERIFY(!dw.getItemString(1, u"nj"_s));
}

void TestDataView::insertedRowIsWrittenAndReadBackBySecondConnection()
{
    db::DataView dw(xmszObject());
    dw.setTransObject(&m_sqlca);
    QCOMPARE(dw.retrieve({ u"21"_s }), 0L);
    QCOMPARE(dw.insertRow(0), 1L);
    QCOMPARE(dw.getRow(), 1L);
    QVERIFY(dw.isNewRow(1));
    QCOMPARE(dw.setItem(1, u"nj"_s, u"21"_s), 1);
    QCOMPARE(dw.setItem(1, u"xm_z_m"_s, u"1"_s), 1);
    QCOMPARE(dw.setItem(1, u"xm_w_m"_s, u"0"_s), 1);
    QCOMPARE(dw.setItem(1, u"xm_t_w"_s, u"1"_s), 1);
    QCOMPARE(dw.update(), 1);
    QVERIFY(!dw.isNewRow(1));
    QVERIFY(!dw.isModified(1, u"xm_z_m"_s));
    // Not committed yet: a second connection does not see it.
    QCOMPARE(stored(m_db, u"21"_s, u"nj"_s), u"<none>"_s);
    m_sqlca.commit();
    QCOMPARE(m_sqlca.SQLCode, 0);

    QCOMPARE(stored(m_db, u"21"_s, u"xm_z_m"_s), u"1"_s);
    QCOMPARE(stored(m_db, u"21"_s, u"xm_w_m"_s), u"0"_s);
    // The 50-character column gives back one character, no padding.
    QCOMPARE(stored(m_db, u"21"_s, u"xm_t_w"_s), u"1"_s);
    // Columns that were not set stay NULL.
    QCOMPARE(stored(m_db, u"21"_s, u"xm_58_m"_s), u"<null>"_s);

    // And a fresh data view reads the same back.
    db::DataView again(xmszObject());
    again.setTransObject(&m_sqlca);
    QCOMPARE(again.retrieve({ u"21"_s }), 1L);
    QCOMPARE(again.getRow(), 1L);
    QCOMPARE(again.getItemString(1, u"xm_t_w"_s), std::optional<QString>(u"1"_s));
    QCOMPARE(again.getItemString(1, u"nj"_s), std::optional<QString>(u"21"_s));
}

void TestDataView::updateWritesOnlyChangedColumns()
{
    QVERIFY2(m_db.exec(u"insert into xmsz (nj, xm_z_m, xm_w_m, xm_58_m, xm_58_w) "
                       "values ('22', '0', '1', 'a', 'b')"_s),
        qPrintable(m_db.lastError()));
    db::DataView dw(xmszObject());
    dw.setTransObject(&m_sqlca);
    QCOMPARE(dw.retrieve({ u"22"_s }), 1L);
    QCOMPARE(dw.getItemString(1, u"xm_58_m"_s), std::optional<QString>(u"a"_s));
    m_sqlca.commit(); // ends the read, so that the side connection may write
    // Someone else changes a column that the program does not touch.
    QVERIFY2(m_db.exec(u"update xmsz set xm_58_w = 'c' where nj = '22'"_s),
        qPrintable(m_db.lastError()));

    QCOMPARE(dw.setItem(1, u"xm_z_m"_s, u"1"_s), 1);
    QCOMPARE(dw.setItem(1, u"xm_w_m"_s, u"0"_s), 1);
    QCOMPARE(dw.update(), 1);
    m_sqlca.commit();

    QCOMPARE(stored(m_db, u"22"_s, u"xm_z_m"_s), u"1"_s);
    QCOMPARE(stored(m_db, u"22"_s, u"xm_w_m"_s), u"0"_s);
    QCOMPARE(stored(m_db, u"22"_s, u"xm_58_m"_s), u"a"_s);
    QCOMPARE(stored(m_db, u"22"_s, u"xm_58_w"_s), u"c"_s);
    QCOMPARE(storedRowCount(m_db), 1L);
}

void TestDataView::secondUpdateChangesTheSameRow()
{
    db::DataView dw(xmszObject());
    dw.setTransObject(&m_sqlca);
    QCOMPARE(dw.retrieve({ u"23"_s }), 0L);
    QCOMPARE(dw.insertRow(0), 1L);
    dw.setItem(1, u"nj"_s, u"23"_s);
    dw.setItem(1, u"xm_5_m"_s, u"1"_s);
    QCOMPARE(dw.update(), 1);
    m_sqlca.commit();

    // The same year code written again, as the settings window does.
    dw.setItem(1, u"nj"_s, u"23"_s);
    dw.setItem(1, u"xm_5_m"_s, u"0"_s);
    dw.setItem(1, u"xm_l_m"_s, u"1"_s);
    QCOMPARE(dw.update(), 1);
    m_sqlca.commit();

    QCOMPARE(storedRowCount(m_db), 1L);
    QCOMPARE(stored(m_db, u"23"_s, u"xm_5_m"_s), u"0"_s);
    QCOMPARE(stored(m_db, u"23"_s, u"xm_l_m"_s), u"1"_s);
}

void TestDataView::nullAndEmptyItemsReadBack()
{
    QVERIFY(m_db.exec(u"insert into xmsz (nj, xm_z_m, xm_5_m) values ('21', NULL, '')"_s));
    db::DataView dw(xmszObject());
    dw.setTransObject(&m_sqlca);
    QCOMPARE(dw.retrieve({ u"21"_s }), 1L);
    QCOMPARE(dw.getItemString(1, u"xm_z_m"_s), std::nullopt);
    QCOMPARE(dw.getItemString(1, u"xm_l_m"_s), std::nullopt);
    QCOMPARE(dw.getItemString(1, u"xm_5_m"_s), std::optional<QString>(QString()));

    // Setting an item to null writes NULL.
    m_sqlca.commit();
    QVERIFY(m_db.exec(u"update xmsz set xm_l_m = '1' where nj = '21'"_s));
    dw.setItem(1, u"xm_l_m"_s, std::nullopt);
    QCOMPARE(dw.update(), 1);
    m_sqlca.commit();
    QCOMPARE(stored(m_db, u"21"_s, u"xm_l_m"_s), u"<null>"_s);
}

void TestDataView::failedUpdateCanBeRetriedAfterRollback()
{
    QVERIFY2(m_db.makeReadOnly(u"xmsz"_s), qPrintable(m_db.lastError()));
    db::DataView dw(xmszObject());
    dw.setTransObject(&m_sqlca);
    QCOMPARE(dw.retrieve({ u"21"_s }), 0L);
    QCOMPARE(dw.insertRow(0), 1L);
    dw.setItem(1, u"nj"_s, u"21"_s);
    dw.setItem(1, u"xm_z_m"_s, u"1"_s);
    QCOMPARE(dw.update(), -1);
    QCOMPARE(m_sqlca.SQLCode, -1);
    QVERIFY(!m_sqlca.SQLErrText.isEmpty());
    m_sqlca.rollback();
    // The row is still new and still carries the user's values.
    QVERIFY(dw.isNewRow(1));
    QVERIFY(dw.isModified(1, u"xm_z_m"_s));

    QVERIFY2(m_db.makeWritable(u"xmsz"_s), qPrintable(m_db.lastError()));
    QCOMPARE(dw.update(), 1);
    m_sqlca.commit();
    QCOMPARE(stored(m_db, u"21"_s, u"xm_z_m"_s), u"1"_s);
}

void TestDataView::failedUpdateTakesBackItsEarlierRows()
{
    // The second new row collides with a stored key: the first, written
    // before it, must not reach the table when the caller commits anyway.
    QVERIFY(m_db.exec(u"insert into xmsz (nj, xm_z_m) values ('22', '0')"_s));
    db::DataView dw(xmszObject());
    dw.setTransObject(&m_sqlca);
    QCOMPARE(dw.retrieve({ u"21"_s }), 0L);
    for (const QString &year : { u"21"_s, u"22"_s }) {
        const long row = dw.insertRow(0);
        dw.setItem(row, u"nj"_s, year);
        dw.setItem(row, u"xm_z_m"_s, u"1"_s);
    }
    QCOMPARE(dw.update(), -1);
    QCOMPARE(m_sqlca.SQLCode, -1);
    const QString reason = m_sqlca.SQLErrText;
    QVERIFY(!reason.isEmpty());
    m_sqlca.commit();
    QCOMPARE(m_sqlca.SQLCode, 0L);
    const auto rows = m_db.query(u"select nj from xmsz"_s);
    QVERIFY(rows);
    QCOMPARE(rows->size(), std::size_t(1));
    QCOMPARE(stored(m_db, u"22"_s, u"xm_z_m"_s), u"0"_s);
    QVERIFY(dw.isNewRow(1));
}

void TestDataView::updateOfVanishedRowFails()
{
    QVERIFY(m_db.exec(u"insert into xmsz (nj, xm_z_m) values ('21', '0')"_s));
    db::DataView dw(xmszObject());
    dw.setTransObject(&m_sqlca);
    QCOMPARE(dw.retrieve({ u"21"_s }), 1L);
    m_sqlca.commit();
    QVERIFY(m_db.exec(u"delete from xmsz"_s));
    dw.setItem(1, u"xm_z_m"_s, u"1"_s);
    // Nothing was written: that must not be reported as a success.
    QCOMPARE(dw.update(), -1);
    QCOMPARE(m_sqlca.SQLCode, -1);
    QVERIFY(!m_sqlca.SQLErrText.isEmpty());
    m_sqlca.rollback();
}

void TestDataView::newRowWithNothingSetIsNotWritten()
{
    db::DataView dw(xmszObject());
    dw.setTransObject(&m_sqlca);
    QCOMPARE(dw.update(), 1); // nothing to write at all
    QCOMPARE(dw.insertRow(0), 1L);
    QCOMPARE(dw.update(), 1);
    m_sqlca.commit();
    QCOMPARE(storedRowCount(m_db), 0L);
    // It stays new: setting items later inserts it.
    dw.setItem(1, u"nj"_s, u"22"_s);
    QCOMPARE(dw.update(), 1);
    m_sqlca.commit();
    QCOMPARE(storedRowCount(m_db), 1L);
}

void TestDataView::chineseItemRoundTrips()
{
    db::DataView dw(xmszObject());
    dw.setTransObject(&m_sqlca);
    QCOMPARE(dw.insertRow(0), 1L);
    dw.setItem(1, u"nj"_s, u"21"_s);
    dw.setItem(1, u"xm_t_w"_s, u"台阶试验"_s);
    QCOMPARE(dw.update(), 1);
    m_sqlca.commit();
    QCOMPARE(stored(m_db, u"21"_s, u"xm_t_w"_s), u"台阶试验"_s);
    db::DataView again(xmszObject());
    again.setTransObject(&m_sqlca);
    QCOMPARE(again.retrieve({ u"21"_s }), 1L);
    QCOMPARE(again.getItemString(1, u"xm_t_w"_s), std::optional<QString>(u"台阶试验"_s));
}

void TestDataView::badRowsAndColumnsAreRefused()
{
    db::DataView dw(xmszObject());
    dw.setTransObject(&m_sqlca);
    QCOMPARE(dw.insertRow(5), -1L);
    QCOMPARE(dw.setItem(0, u"nj"_s, u"21"_s), -1);
    QCOMPARE(dw.insertRow(0), 1L);
    QCOMPARE(dw.setItem(1, u"no_such_column"_s, u"1"_s), -1);
    QCOMPARE(dw.setItem(2, u"nj"_s, u"21"_s), -1);
    QVERIFY(!dw.getItemString(1, u"no_such_column"_s));
    QVERIFY(!dw.setRow(2));
    QCOMPARE(dw.insertRow(0), 2L);
    QCOMPARE(dw.getRow(), 1L); // the current row stays where it was
}

void TestDataView::retrieveFailureGivesMinusOne()
{
    db::DataView missingTable(
        { u"kelvaro_no_such_table"_s, { u"nj"_s }, { u"nj"_s }, { u"nj"_s } });
    missingTable.setTransObject(&m_sqlca);
    QCOMPARE(missingTable.retrieve({ u"21"_s }), -1L);
    QVERIFY(!m_sqlca.SQLErrText.isEmpty());
    QCOMPARE(missingTable.getRow(), 0L);
    m_sqlca.rollback();

    db::DataView unbound(xmszObject());
    QCOMPARE(unbound.retrieve({ u"21"_s }), -1L);
    // Only plain names reach the SQL text.
    db::DataView unsafe({ u"xmsz; drop table xmsz"_s, { u"nj"_s }, { u"nj"_s }, { u"nj"_s } });
    unsafe.setTransObject(&m_sqlca);
    QCOMPARE(unsafe.retrieve({ u"21"_s }), -1L);
    QCOMPARE(storedRowCount(m_db), 0L);
}

void TestDataView::duplicateRowFailsWithItsOwnTextEachTime()
{
    // Another session stored the year meanwhile: the new row's insert is
    // refused by the key each time it is tried, and each time with the
    // database's own reason, never with a savepoint the driver lost.
    QVERIFY(m_db.exec(u"insert into xmsz (nj, xm_z_m) values ('22', '1')"_s));
    db::DataView dw(xmszObject());
    dw.setTransObject(&m_sqlca);
    QCOMPARE(dw.insertRow(0), 1L);
    dw.setItem(1, u"nj"_s, u"22"_s);
    dw.setItem(1, u"xm_l_m"_s, u"1"_s);
    for (int attempt = 1; attempt <= 3; ++attempt) {
        QCOMPARE(dw.update(), -1);
        QCOMPARE(m_sqlca.SQLCode, -1L);
        QVERIFY2(!m_sqlca.SQLErrText.contains(u"savepoint"_s, Qt::CaseInsensitive),
            qPrintable(m_sqlca.SQLErrText));
        QVERIFY2(m_sqlca.SQLState.startsWith(u"23"_s) || m_sqlca.SQLErrText.contains(u"UNIQUE"_s),
            qPrintable(m_sqlca.SQLState + u' ' + m_sqlca.SQLErrText));
        m_sqlca.rollback();
        QCOMPARE(m_sqlca.SQLCode, 0L);
    }
    QCOMPARE(storedRowCount(m_db), 1L);
}

QTEST_GUILESS_MAIN(TestDataView)
#include "tst_data_view.moc"
