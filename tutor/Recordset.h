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

private:
    friend class Connection;
    int columnIndex(const QString& name) const;
    void applyFilter();

    bool m_open = false;
    std::shared_ptr<Connection> m_connection;
    QString m_table;
    QStringList m_columns;
    QList<QList<QVariant>> m_rows;   // every row of the query
    QList<int> m_visible;            // indices into m_rows under the filter
    int m_position = -1;             // index into m_visible; -1 BOF, size() EOF
    QString m_filter;
    QList<QVariant> m_pendingNew;    // AddNew row until Update()
    bool m_adding = false;
    QList<QPair<int, QVariant>> m_pendingEdits;
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
