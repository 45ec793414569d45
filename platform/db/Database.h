#pragma once

// A thin RAII layer over an SQLCipher database handle and its prepared
// statements. Nothing here throws or shows anything: every object knows whether
// it is usable (isValid()) and keeps the engine's last error text.
//
//     Database db;
//     if (db.open(path, key, Database::Mode::ReadOnly)) {
//         Statement st = db.prepare(u"SELECT Name FROM tblCards WHERE ID=?"_s);
//         st.bind(1, 7);
//         while (st.step() == Statement::Step::Row) use(st.text(0));
//     }

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace kestrune::platform::db {

class Statement;

class Database {
public:
    enum class Mode {
        ReadOnly,   // the file must exist; no writes
        ReadWrite,  // the file must exist
        Create,     // read-write, creating the file when it is missing
    };

    Database() = default;
    ~Database();
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens the file and keys it with the passphrase. The key is checked at once
    // by reading the schema, so a wrong key or a file that is not a database of
    // this kind (damaged, plain, empty with Mode::ReadOnly/ReadWrite) leaves the
    // object invalid with the reason in lastError(). An empty key opens an
    // unencrypted database.
    bool open(const QString& path, const QByteArray& key, Mode mode);
    void close();

    bool isValid() const { return m_handle != nullptr; }
    QString lastError() const { return m_lastError; }

    // Runs one or more statements that return no rows.
    bool exec(const QString& sql);
    // A statement for one SQL text; invalid (with lastError()) when it does not compile.
    Statement prepare(const QString& sql);

    qint64 lastInsertRowId() const;
    int changes() const;

    sqlite3* handle() const { return m_handle; }

private:
    friend class Statement;
    void setError(const QString& text);

    sqlite3* m_handle = nullptr;
    QString m_lastError;
};

class Statement {
public:
    enum class Step { Row, Done, Error };

    Statement() = default;
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool isValid() const { return m_statement != nullptr; }
    QString lastError() const { return m_lastError; }

    // Parameters are numbered from 1, as the engine counts them. A null or
    // invalid QVariant binds NULL; QByteArray binds a blob; integral and bool
    // values bind integers, floating values reals, everything else text.
    bool bind(int index, const QVariant& value);
    bool bindNull(int index);
    bool bindInt64(int index, qint64 value);
    bool bindText(int index, const QString& value);
    bool bindBlob(int index, const QByteArray& value);

    Step step();
    // Steps until the statement is done (rows it returns are skipped); false on an error.
    bool execute();
    // Makes the statement ready to run again; bindings stay.
    bool reset();

    // Columns of the current row (valid after step() returned Row; names and
    // the count are known as soon as the statement is prepared).
    int columnCount() const;
    QString columnName(int column) const;
    bool isNull(int column) const;
    qint64 int64(int column) const;
    QString text(int column) const;
    QByteArray blob(int column) const;
    // The value in its stored type: qlonglong, double, QString, QByteArray, or an
    // invalid QVariant for NULL.
    QVariant value(int column) const;

private:
    friend class Database;
    Statement(sqlite3* db, sqlite3_stmt* statement) : m_db(db), m_statement(statement) {}
    bool checkBind(int rc);

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    QString m_lastError;
};

// Puts each of the given identifiers in double quotes wherever it stands as a
// bare word of the SQL text: not inside string literals, quoted identifiers or
// comments, not part of a longer word, and not as the keyword of a "GROUP BY"
// clause. Matching ignores case; the word keeps its spelling. This lets query
// texts use column names that the engine reserves, such as Group.
QString quoteIdentifiers(const QString& sql, const QStringList& identifiers);

} // namespace kestrune::platform::db
