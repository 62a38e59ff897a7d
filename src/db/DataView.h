#pragma once

#include "db/Transaction.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace db {

// What a data view reads and writes: one table, its columns in selection
// order, the key columns and the retrieval condition's columns (one
// retrieval argument per column, compared for equality).
struct DataObject
{
    QString table;
    QStringList columns;
    QStringList keyColumns;
    QStringList argumentColumns;
};

// A data view bound to a transaction: retrieve by argument, insert rows,
// read and set items, and write the new and changed rows back.
// Row numbers start at 1; 0 means no row.
class DataView
{
public:
    explicit DataView(DataObject object);

    void setTransObject(Transaction *transaction);

    // The number of rows found, -1 on failure; the first row becomes current.
    long retrieve(const std::vector<QString> &arguments);

    // Position 0 appends. The new row's number, or -1 on failure.
    long insertRow(long position);

    long rowCount() const;
    long getRow() const; // the current row, 0 when there is none
    bool setRow(long row);

    // The item's text; nullopt for a null item or a bad row or column.
    std::optional<QString> getItemString(long row, const QString &column) const;
    // 1 on success, -1 for a bad row or column.
    int setItem(long row, const QString &column, const std::optional<QString> &value);

    // Whether the item was set since the last retrieve or update, and
    // whether the row is new (inserted and not yet written).
    bool isModified(long row, const QString &column) const;
    bool isNewRow(long row) const;

    // The items are set straight into the rows, so no edit of the view holds
    // text still to be taken over: there is nothing to accept.
    int acceptText() { return 1; }

    // INSERT for new rows, UPDATE of the changed columns (by the key as
    // retrieved) for retrieved rows. 1 on success, -1 on failure; after a
    // success the rows count as stored. The caller commits or rolls back.
    // A new row with no item set is not written; nothing to write gives 1.
    // Items are bound as strings (VARCHAR columns). Outside autocommit the
    // writes of one update stand or fall together (a savepoint), and they
    // always run inside a transaction of the database.
    int update();

    const DataObject &dataObject() const { return m_object; }

private:
    struct RowData
    {
        std::vector<std::optional<QString>> values;
        std::vector<std::optional<QString>> original;
        std::vector<bool> modified;
        bool isNew = true;
    };

    int columnIndex(const QString &column) const;
    bool isValidObject() const;
    bool isUsable() const; // also sets the transaction's error when invalid
    bool writeRow(const RowData &row);
    bool hasPendingWrites() const;

    DataObject m_object;
    Transaction *m_transaction = nullptr;
    std::vector<RowData> m_rows;
    long m_currentRow = 0;
};

} // namespace db
