#include "platform/db/Database.h"

// The key functions are declared only for builds with the codec switched on.
#ifndef SQLITE_HAS_CODEC
#define SQLITE_HAS_CODEC 1
#endif
#include <sqlite3.h>

#include <algorithm>
#include <utility>

namespace kestrune::platform::db {

namespace {

QString engineError(sqlite3* db, int rc)
{
    const char* text = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    return QString::fromUtf8(text ? text : sqlite3_errstr(rc));
}

} // namespace

// ---- Database --------------------------------------------------------------

Database::~Database() { close(); }

Database::Database(Database&& other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr)), m_lastError(std::move(other.m_lastError))
{
}

Database& Database::operator=(Database&& other) noexcept
{
    if (this != &other) {
        close();
        m_handle = std::exchange(other.m_handle, nullptr);
        m_lastError = std::move(other.m_lastError);
    }
    return *this;
}

void Database::close()
{
    if (m_handle) {
        // Statements still alive keep the handle open until they finish
        // (sqlite3_close_v2 defers the close); none of them is used afterwards.
        sqlite3_close_v2(m_handle);
        m_handle = nullptr;
    }
}

void Database::setError(const QString& text) { m_lastError = text; }

bool Database::open(const QString& path, const QByteArray& key, Mode mode)
{
    close();
    m_lastError.clear();

    int flags = SQLITE_OPEN_FULLMUTEX;
    switch (mode) {
    case Mode::ReadOnly: flags |= SQLITE_OPEN_READONLY; break;
    case Mode::ReadWrite: flags |= SQLITE_OPEN_READWRITE; break;
    case Mode::Create: flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
    }

    sqlite3* db = nullptr;
    const QByteArray file = path.toUtf8();
    int rc = sqlite3_open_v2(file.constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        setError(QStringLiteral("cannot open %1: %2").arg(path, engineError(db, rc)));
        sqlite3_close_v2(db);
        return false;
    }
    sqlite3_extended_result_codes(db, 1);

    if (!key.isEmpty()) {
        rc = sqlite3_key(db, key.constData(), int(key.size()));
        if (rc != SQLITE_OK) {
            setError(QStringLiteral("cannot key %1: %2").arg(path, engineError(db, rc)));
            sqlite3_close_v2(db);
            return false;
        }
    }

    // The key is applied lazily; the first read of the schema decrypts page 1
    // and fails on a wrong key or a damaged or foreign file.
    rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        setError(QStringLiteral("cannot read %1: %2").arg(path, engineError(db, rc)));
        sqlite3_close_v2(db);
        return false;
    }

    m_handle = db;
    return true;
}

bool Database::exec(const QString& sql)
{
    if (!m_handle) {
        setError(QStringLiteral("database is not open"));
        return false;
    }
    char* message = nullptr;
    const QByteArray text = sql.toUtf8();
    const int rc = sqlite3_exec(m_handle, text.constData(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        setError(message ? QString::fromUtf8(message) : engineError(m_handle, rc));
        sqlite3_free(message);
        return false;
    }
    return true;
}

Statement Database::prepare(const QString& sql)
{
    if (!m_handle) {
        setError(QStringLiteral("database is not open"));
        Statement none;
        none.m_lastError = m_lastError;
        return none;
    }
    sqlite3_stmt* statement = nullptr;
    const QByteArray text = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(m_handle, text.constData(), int(text.size()), &statement, nullptr);
    if (rc != SQLITE_OK || !statement) {
        // A text holding only white space or comments compiles to nothing.
        setError(rc != SQLITE_OK ? engineError(m_handle, rc) : QStringLiteral("empty statement"));
        sqlite3_finalize(statement);
        Statement none;
        none.m_lastError = m_lastError;
        return none;
    }
    return Statement(m_handle, statement);
}

qint64 Database::lastInsertRowId() const { return m_handle ? sqlite3_last_insert_rowid(m_handle) : 0; }

int Database::changes() const { return m_handle ? sqlite3_changes(m_handle) : 0; }

// ---- Statement -------------------------------------------------------------

Statement::~Statement() { sqlite3_finalize(m_statement); }

Statement::Statement(Statement&& other) noexcept
    : m_db(std::exchange(other.m_db, nullptr)),
      m_statement(std::exchange(other.m_statement, nullptr)),
      m_lastError(std::move(other.m_lastError))
{
}

Statement& Statement::operator=(Statement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_statement);
        m_db = std::exchange(other.m_db, nullptr);
        m_statement = std::exchange(other.m_statement, nullptr);
        m_lastError = std::move(other.m_lastError);
    }
    return *this;
}

bool Statement::checkBind(int rc)
{
    if (rc == SQLITE_OK)
        return true;
    m_lastError = engineError(m_db, rc);
    return false;
}

bool Statement::bindNull(int index)
{
    if (!m_statement)
        return false;
    return checkBind(sqlite3_bind_null(m_statement, index));
}

bool Statement::bindInt64(int index, qint64 value)
{
    if (!m_statement)
        return false;
    return checkBind(sqlite3_bind_int64(m_statement, index, value));
}

bool Statement::bindText(int index, const QString& value)
{
    if (!m_statement)
        return false;
    const QByteArray utf8 = value.toUtf8();
    return checkBind(sqlite3_bind_text64(m_statement, index, utf8.constData(), sqlite3_uint64(utf8.size()),
                                         SQLITE_TRANSIENT, SQLITE_UTF8));
}

bool Statement::bindBlob(int index, const QByteArray& value)
{
    if (!m_statement)
        return false;
    // An empty array is still a (zero-length) blob, not NULL.
    static const char empty = 0;
    const char* data = value.isEmpty() ? &empty : value.constData();
    return checkBind(sqlite3_bind_blob64(m_statement, index, data, sqlite3_uint64(value.size()), SQLITE_TRANSIENT));
}

bool Statement::bind(int index, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return bindNull(index);
    switch (value.typeId()) {
    case QMetaType::QByteArray:
        return bindBlob(index, value.toByteArray());
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return bindInt64(index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        if (!m_statement)
            return false;
        return checkBind(sqlite3_bind_double(m_statement, index, value.toDouble()));
    default:
        return bindText(index, value.toString());
    }
}

Statement::Step Statement::step()
{
    if (!m_statement)
        return Step::Error;
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return Step::Row;
    if (rc == SQLITE_DONE)
        return Step::Done;
    m_lastError = engineError(m_db, rc);
    return Step::Error;
}

bool Statement::execute()
{
    for (;;) {
        switch (step()) {
        case Step::Row: continue;
        case Step::Done: return true;
        case Step::Error: return false;
        }
    }
}

bool Statement::reset()
{
    if (!m_statement)
        return false;
    const int rc = sqlite3_reset(m_statement);
    if (rc != SQLITE_OK) {
        m_lastError = engineError(m_db, rc);
        return false;
    }
    return true;
}

int Statement::columnCount() const { return m_statement ? sqlite3_column_count(m_statement) : 0; }

QString Statement::columnName(int column) const
{
    if (!m_statement || column < 0 || column >= columnCount())
        return QString();
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

bool Statement::isNull(int column) const
{
    return !m_statement || column < 0 || column >= columnCount()
        || sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

qint64 Statement::int64(int column) const
{
    if (!m_statement || column < 0 || column >= columnCount())
        return 0;
    return sqlite3_column_int64(m_statement, column);
}

QString Statement::text(int column) const
{
    if (!m_statement || column < 0 || column >= columnCount())
        return QString();
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    const int size = sqlite3_column_bytes(m_statement, column);
    return data ? QString::fromUtf8(data, size) : QString();
}

QByteArray Statement::blob(int column) const
{
    if (!m_statement || column < 0 || column >= columnCount())
        return QByteArray();
    const auto* data = static_cast<const char*>(sqlite3_column_blob(m_statement, column));
    const int size = sqlite3_column_bytes(m_statement, column);
    return data ? QByteArray(data, size) : QByteArray();
}

QVariant Statement::value(int column) const
{
    if (!m_statement || column < 0 || column >= columnCount())
        return QVariant();
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER: return QVariant(qlonglong(int64(column)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_TEXT: return QVariant(text(column));
    case SQLITE_BLOB: return QVariant(blob(column));
    default: return QVariant();
    }
}

// ---- Identifier quoting ----------------------------------------------------

namespace {

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; }

} // namespace

QString quoteIdentifiers(const QString& sql, const QStringList& identifiers)
{
    QString out;
    out.reserve(sql.size() + 8);
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql.at(i);
        // Quoted texts and identifiers are copied unchanged up to their closing
        // quote (a doubled quote stays inside).
        if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
            const QChar close = c == u'[' ? QChar(u']') : c;
            qsizetype j = i + 1;
            while (j < n) {
                if (sql.at(j) == close) {
                    if (close != u']' && j + 1 < n && sql.at(j + 1) == close) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            const qsizetype end = std::min(j + 1, n);
            out += QStringView(sql).mid(i, end - i);
            i = end;
            continue;
        }
        if (c == u'-' && i + 1 < n && sql.at(i + 1) == u'-') {
            qsizetype j = sql.indexOf(u'\n', i);
            if (j < 0)
                j = n;
            out += QStringView(sql).mid(i, j - i);
            i = j;
            continue;
        }
        if (c == u'/' && i + 1 < n && sql.at(i + 1) == u'*') {
            qsizetype j = sql.indexOf(QStringLiteral("*/"), i + 2);
            j = j < 0 ? n : j + 2;
            out += QStringView(sql).mid(i, j - i);
            i = j;
            continue;
        }
        if (isWordChar(c)) {
            qsizetype j = i;
            while (j < n && isWordChar(sql.at(j)))
                ++j;
            const QStringView word = QStringView(sql).mid(i, j - i);
            bool quote = false;
            if (!word.front().isDigit()) {
                for (const QString& id : identifiers) {
                    if (word.compare(id, Qt::CaseInsensitive) == 0) {
                        quote = true;
                        break;
                    }
                }
            }
            if (quote && word.compare(u"group", Qt::CaseInsensitive) == 0) {
                // "GROUP BY" is the clause, not the column.
                qsizetype k = j;
                while (k < n && sql.at(k).isSpace())
                    ++k;
                if (k + 2 <= n && QStringView(sql).mid(k, 2).compare(u"by", Qt::CaseInsensitive) == 0
                    && (k + 2 == n || !isWordChar(sql.at(k + 2))))
                    quote = false;
            }
            if (quote) {
                out += u'"';
                out += word;
                out += u'"';
            } else {
                out += word;
            }
            i = j;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

} // namespace kestrune::platform::db
