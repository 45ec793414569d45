#pragma once

// The tutor's view of its card database: a connection to the encrypted file
// and client-side recordsets over query results, with the moves, the row count,
// the begin/end flags and the "ID=n" filter the tutor relies on. Every failure
// (wrong password, damaged file, failing query, unknown field, a move past the
// end) yields nothing and shows no message: values just stay empty.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

namespace kestrune::platform::db {
class Database;
}

namespace kestrune::tutor {

class Connection;

// A snapshot of a query's rows, walked on the client.
class Recordset {
public:
    Recordset() = default;

    bool isOpen() const { return m_open; }
    int RecordCount() const;          // rows in the (filtered) set
    bool EOF_() const;                // past the last row (also true when empty)
    bool BOF() const;                 // before the first row (also true when empty)
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    void Move(int n);                 // n rows on from the current one
    // "ID=<n>" narrows the set to that card and makes it current; "" removes
    // the filter and makes the first row current.
    void setFilter(const QString& filter);
    QString filter() const { return m_filter; }

    // Field of the current row by column name, ignoring case; invalid when the
    // field does not exist or there is no current row.
    QVariant field(const QString& name) const;
    QString text(const QString& name) const { return field(name).toString(); }
    QByteArray bytes(const QString& name) const { return field(name).toByteArray(); }
    QStringList columns() const { return m_columns; }

    // Writing: change a field of the current row, or add a row, then Update()
    // writes it to the database (the table is the one the query read from).
    void setField(const QString& name, const QVariant& value);
    void AddNew();
    bool Update();

    // Reading and writing a long binary field the way the picture store does:
    // the size of the current row's value, its first `length` bytes, and
    // appending bytes (the first chunk of an edit replaces the old value; later
    // ones extend it until Update() or a move ends the edit).
    int ActualSize(const QString& name) const { return int(bytes(name).size()); }
    QByteArray GetChunk(const QString& name, int length) const { return bytes(name).left(length); }
    void AppendChunk(const QString& name, const QByteArray& chunk);

    // Pending work (a changed field or an added row) is written by Update();
    // every move, filter change or AddNew() writes it first, as a client-side
    // cursor with optimistic locking does. CancelUpdate() drops it.
    bool editPending() const { return m_adding || !m_pendingEdits.isEmpty(); }
    void CancelUpdate();

private:
    friend class Connection;
    int columnIndex(const QString& name) const;
    void applyFilter();
    bool currentRowIndex(int* row) const;
    void finishPending();
    void setPosition(int position);

    bool m_open = false;
    std::shared_ptr<Connection> m_connection;
    QString m_table;
    int m_keyColumn = -1;            // column naming the row in m_table (its primary key)
    QStringList m_columns;
    QList<QList<QVariant>> m_rows;   // every row of the query
    QList<int> m_visible;            // indices into m_rows under the filter
    int m_position = -1;             // index into m_visible; -1 BOF, size() EOF
    QString m_filter;
    bool m_adding = false;           // m_rows.last() is an added row not yet written
    int m_editRow = -1;              // the row m_pendingEdits belong to
    QList<QPair<int, QVariant>> m_pendingEdits;  // changed columns with their old values
    QList<int> m_chunkedColumns;     // columns that took a chunk in this edit
};

// An open connection to the tutor database file. A connection that could not be
// opened (missing or damaged file, wrong password) is still an object: it just
// yields no rows. lastError() says why, for tools and tests; the tutor shows nothing.
class Connection : public std::enable_shared_from_this<Connection> {
public:
    Connection(const QString& filePath, const QString& password);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool isOpen() const;
    QString filePath() const { return m_filePath; }
    QString lastError() const { return m_lastError; }

    // Runs a query into a recordset (closed when the query fails).
    Recordset query(const QString& sql);
    // Runs a statement that returns no rows; false on failure.
    bool execute(const QString& sql);

private:
    friend class Recordset;
    QString translate(const QString& sql) const;
    int keyColumn(const QString& table, const QStringList& columns);
    bool insertRow(Recordset& rs, int row);
    bool updateRow(Recordset& rs, int row, const QList<QPair<int, QVariant>>& edits);

    QString m_filePath;
    QString m_lastError;
    std::unique_ptr<platform::db::Database> m_db;
};

// The shared state of the tutor: its open connection and the current card set.
// OpenDatabase/OpenRecordset replace what the variables held before.
void OpenDatabase(std::shared_ptr<Connection>& connection, const QString& filePath);
void OpenRecordset(Recordset& recordset, const std::shared_ptr<Connection>& connection, const QString& query);

// The card-set query for the chosen groups; the caller passes each suit as
// chosen and selectable (suits are selectable only with the minor arcana).
QString BuildCardQuery(bool majorArcana, bool cups, bool wands, bool pentacles, bool swords);

// The database password and the file's path in the application folder.
QString tutorDatabasePassword();
QString tutorDatabasePath();

std::shared_ptr<Connection>& TutorConnection();
Recordset& CardRecords();

} // namespace kestrune::tutor
