#include "db/DataView.h"

#include <QRegularExpression>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace db {

namespace {

// Table and column names come from the program's own data objects; they
// are still checked, since they are the only text that goes into the SQL.
bool isPlainIdentifier(const QString &name)
{
    static const QRegularExpression pattern(u"^[A-Za-z_][A-Za-z0-9_]*$"_s);
    return pattern.match(name).hasMatch();
}

QVariant asParameter(const std::optional<QString> &value)
{
    return value ? QVariant(*value) : QVariant();
}

} // namespace

DataView::DataView(DataObject object)
    : m_object(std::move(object))
{ }

void DataView::setTransObject(Transaction *transaction)
{
    m_transaction = transaction;
}

bool DataView::isUsable() const
{
    if (!m_transaction)
        return false;
    if (!isValidObject()) {
        m_transaction->setResult(
            Transaction::Result::failure(u"数据视图的定义无效：%1"_s.arg(m_object.table)));
        return false;
    }
    return true;
}

bool DataView::isValidObject() const
{
    if (!isPlainIdentifier(m_object.table) || m_object.columns.isEmpty())
        return false;
    for (const QString &name : m_object.columns) {
        if (!isPlainIdentifier(name))
            return false;
    }
    for (const QString &name : m_object.keyColumns + m_object.argumentColumns) {
        if (!m_object.columns.contains(name))
            return false;
    }
    return true;
}

int DataView::columnIndex(const QString &column) const
{
    for (qsizetype i = 0; i < m_object.columns.size(); ++i) {
        if (m_object.columns.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

long DataView::retrieve(const std::vector<QString> &arguments)
{
    m_rows.clear();
    m_currentRow = 0;
    if (!isUsable() || arguments.size() != std::size_t(m_object.argumentColumns.size()))
        return -1;

    QString sql = u"SELECT "_s + m_object.columns.join(u", "_s) + u" FROM "_s + m_object.table;
    std::vector<QVariant> params;
    for (qsizetype i = 0; i < m_object.argumentColumns.size(); ++i) {
        sql += (i == 0 ? u" WHERE "_s : u" AND "_s) + m_object.argumentColumns.at(i) + u" = ?"_s;
        params.emplace_back(arguments[std::size_t(i)]);
    }
    const auto rows = m_transaction->select(sql, params);
    if (!rows)
        return -1;

    const std::size_t width = std::size_t(m_object.columns.size());
    for (const Transaction::Row &fetched : *rows) {
        RowData row;
        row.values = fetched;
        row.values.resize(width);
        row.original = row.values;
        row.modified.assign(width, false);
        row.isNew = false;
        m_rows.push_back(std::move(row));
    }
    m_currentRow = m_rows.empty() ? 0 : 1;
    return long(m_rows.size());
}

long DataView::insertRow(long position)
{
    if (position < 0 || position > rowCount())
        return -1;
    const std::size_t width = std::size_t(m_object.columns.size());
    RowData row;
    row.values.assign(width, std::nullopt);
    row.original = row.values;
    row.modified.assign(width, false);
    row.isNew = true;
    // Position 0 appends; any other position inserts before that row.
    const long number = position == 0 ? rowCount() + 1 : position;
    m_rows.insert(m_rows.begin() + (number - 1), std::move(row));
    if (m_currentRow == 0)
        m_currentRow = number;
    else if (position != 0 && m_currentRow >= number)
        ++m_currentRow; // the current row moved down by one
    return number;
}

long DataView::rowCount() const
{
    return long(m_rows.size());
}

long DataView::getRow() const
{
    return m_currentRow;
}

bool DataView::setRow(long row)
{
    if (row < 1 || row > rowCount())
        return false;
    m_currentRow = row;
    return true;
}

std::optional<QString> DataView::getItemString(long row, const QString &column) const
{
    const int index = columnIndex(column);
    if (row < 1 || row > rowCount() || index < 0)
        return std::nullopt;
    return m_rows[std::size_t(row - 1)].values[std::size_t(index)];
}

int DataView::setItem(long row, const QString &column, const std::optional<QString> &value)
{
    const int index = columnIndex(column);
    if (row < 1 || row > rowCount() || index < 0)
        return -1;
    RowData &data = m_rows[std::size_t(row - 1)];
    data.values[std::size_t(index)] = value;
    data.modified[std::size_t(index)] = true;
    return 1;
}

bool DataView::isModified(long row, const QString &column) const
{
    const int index = columnIndex(column);
    if (row < 1 || row > rowCount() || index < 0)
        return false;
    return m_rows[std::size_t(row - 1)].modified[std::size_t(index)];
}

bool DataView::isNewRow(long row) const
{
    return row >= 1 && row <= rowCount() && m_rows[std::size_t(row - 1)].isNew;
}

bool DataView::writeRow(const RowData &row)
{
    std::vector<QVariant> params;
    if (row.isNew) {
        // The columns that were set; the others take the table's defaults.
        QStringList names;
        QStringList markers;
        for (std::size_t i = 0; i < row.values.size(); ++i) {
            if (!row.modified[i])
                continue;
            names.append(m_object.columns.at(qsizetype(i)));
            markers.append(u"?"_s);
            params.push_back(asParameter(row.values[i]));
        }
        if (names.isEmpty())
            return true; // a new row with nothing set is not written
        const QString sql = u"INSERT INTO "_s + m_object.table + u" ("_s + names.join(u", "_s)
            + u") VALUES ("_s + markers.join(u", "_s) + u")"_s;
        return m_transaction->execute(sql, params);
    }

    QStringList assignments;
    for (std::size_t i = 0; i < row.values.size(); ++i) {
        if (!row.modified[i])
            continue;
        assignments.append(m_object.columns.at(qsizetype(i)) + u" = ?"_s);
        params.push_back(asParameter(row.values[i]));
    }
    if (assignments.isEmpty())
        return true;
    QStringList conditions;
    for (const QString &key : m_object.keyColumns) {
        const std::optional<QString> &value = row.original[std::size_t(columnIndex(key))];
        if (value) {
            conditions.append(key + u" = ?"_s);
            params.emplace_back(*value);
        } else {
            conditions.append(key + u" IS NULL"_s);
        }
    }
    const QString sql = u"UPDATE "_s + m_object.table + u" SET "_s + assignments.join(u", "_s)
        + u" WHERE "_s + conditions.join(u" AND "_s);
    if (!m_transaction->execute(sql, params))
        return false;
    if (m_transaction->SQLNRows != 1) {
        // The stored row is gone or its key is no longer unique: reporting
        // success here would lose the user's change without a word.
        const long affected = m_transaction->SQLNRows;
        m_transaction->setResult(Transaction::Result::failure(affected == 0
                ? u"要更新的行已不在数据库中。"_s
                : u"更新影响了 %1 行，而不是一行。"_s.arg(affected)));
        return false;
    }
    return true;
}

bool DataView::hasPendingWrites() const
{
    return std::any_of(m_rows.begin(), m_rows.end(), [](const RowData &row) {
        return std::find(row.modified.begin(), row.modified.end(), true) != row.modified.end();
    });
}

int DataView::update()
{
    if (!isUsable() || m_object.keyColumns.isEmpty())
        return -1;
    // Outside autocommit the writes go into a savepoint of their own: a row
    // that fails takes back the rows written before it, and the savepoint
    // opens a transaction in the database itself. A driver can believe a
    // transaction is open that the database has already ended (SQLite ends
    // it on an I/O or read-only error; the rollback that follows then fails
    // and the driver starts no new one): without the savepoint the writes
    // would be committed one by one behind the caller's back and the
    // caller's commit would fail.
    const bool inSavepoint = !m_transaction->AutoCommit && hasPendingWrites();
    if (inSavepoint && !m_transaction->execute(u"SAVEPOINT dataview_update"_s))
        return -1;
    for (const RowData &row : m_rows) {
        if (!writeRow(row)) {
            if (inSavepoint) {
                // The failure's own diagnostics are what the caller sees.
                Transaction::Result failure = m_transaction->result();
                failure.rows = 0;
                m_transaction->execute(u"ROLLBACK TO SAVEPOINT dataview_update"_s);
                m_transaction->setResult(failure);
            }
            return -1;
        }
    }
    // Only when every row was written do the rows count as stored, so that
    // after a failure and a rollback the same update can be tried again.
    for (RowData &row : m_rows) {
        const bool anySet
            = std::find(row.modified.begin(), row.modified.end(), true) != row.modified.end();
        if (row.isNew && !anySet)
            continue; // never written: it stays a new row
        row.original = row.values;
        row.modified.assign(row.values.size(), false);
        row.isNew = false;
    }
    return 1;
}

} // namespace db
