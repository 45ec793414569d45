#include "tutor/Recordset.h"

#include "platform/Seams.h"
#include "platform/db/Database.h"

#include <QRegularExpression>

namespace kestrune::tutor {

using platform::db::Database;
using platform::db::Statement;

namespace {

QString quoted(const QString& identifier)
{
    QString inner = identifier;
    inner.replace(u'"', QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}

// The table a single-table query reads from: the word after its first FROM.
QString sourceTable(const QString& sql)
{
    static const QRegularExpression from(
        QStringLiteral(R"re(\bFROM\s+(?:"([^"]+)"|\[([^\]]+)\]|`([^`]+)`|([A-Za-z_][A-Za-z0-9_]*)))re"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = from.match(sql);
    if (!m.hasMatch())
        return QString();
    for (int group = 1; group <= 4; ++group) {
        if (!m.captured(group).isEmpty())
            return m.captured(group);
    }
    return QString();
}

// Whether a stored value equals a filter's value: numbers compare as numbers,
// everything else as text without regard to case.
bool filterMatches(const QVariant& stored, const QString& wanted, bool wantedIsText)
{
    if (!stored.isValid())
        return false;
    if (!wantedIsText) {
        bool wantedOk = false;
        const double w = wanted.toDouble(&wantedOk);
        bool storedOk = false;
        const double s = stored.toString().toDouble(&storedOk);
        if (wantedOk && storedOk)
            return s == w;
    }
    return stored.toString().compare(wanted, Qt::CaseInsensitive) == 0;
}

} // namespace

// ---- Connection ------------------------------------------------------------

Connection::Connection(const QString& filePath, const QString& password)
    : m_filePath(filePath), m_db(std::make_unique<Database>())
{
    // Read-write so that the picture store can write; a file that may only be
    // read is still opened for reading.
    const QByteArray key = password.toUtf8();
    if (!m_db->open(filePath, key, Database::Mode::ReadWrite)
        && !m_db->open(filePath, key, Database::Mode::ReadOnly))
        m_lastError = m_db->lastError();
}

Connection::~Connection() = default;

bool Connection::isOpen() const { return m_db && m_db->isValid(); }

QString Connection::translate(const QString& sql) const
{
    // The column Group is a reserved word of the engine's dialect.
    return platform::db::quoteIdentifiers(sql, {QStringLiteral("Group")});
}

bool Connection::execute(const QString& sql)
{
    if (!isOpen()) {
        m_lastError = QStringLiteral("no open database");
        return false;
    }
    Statement st = m_db->prepare(translate(sql));
    if (!st.isValid() || !st.execute()) {
        m_lastError = st.isValid() ? st.lastError() : m_db->lastError();
        return false;
    }
    return true;
}

Recordset Connection::query(const QString& sql)
{
    Recordset rs;
    if (!isOpen()) {
        m_lastError = QStringLiteral("no open database");
        return rs;
    }
    Statement st = m_db->prepare(translate(sql));
    if (!st.isValid()) {
        m_lastError = m_db->lastError();
        return rs;
    }
    QStringList columns;
    for (int c = 0; c < st.columnCount(); ++c)
        columns << st.columnName(c);
    QList<QList<QVariant>> rows;
    for (;;) {
        const Statement::Step step = st.step();
        if (step == Statement::Step::Done)
            break;
        if (step == Statement::Step::Error) {
            // A damaged page part-way through: the whole query fails.
            m_lastError = st.lastError();
            return rs;
        }
        QList<QVariant> row;
        row.reserve(columns.size());
        for (int c = 0; c < columns.size(); ++c)
            row << st.value(c);
        rows << std::move(row);
    }

    rs.m_open = true;
    rs.m_connection = weak_from_this().lock();  // null for a connection not held by a shared_ptr
    rs.m_table = sourceTable(sql);
    rs.m_columns = columns;
    rs.m_rows = std::move(rows);
    rs.m_keyColumn = rs.m_table.isEmpty() ? -1 : keyColumn(rs.m_table, columns);
    rs.applyFilter();
    return rs;
}

int Connection::keyColumn(const QString& table, const QStringList& columns)
{
    QString key;
    Statement st = m_db->prepare(QStringLiteral("PRAGMA table_info(") + quoted(table) + u')');
    while (st.step() == Statement::Step::Row) {
        // Columns: cid, name, type, notnull, dflt_value, pk (1-based place in the key).
        if (st.int64(5) == 1) {
            key = st.text(1);
            break;
        }
    }
    if (key.isEmpty())
        key = QStringLiteral("ID");
    for (int c = 0; c < columns.size(); ++c) {
        if (columns.at(c).compare(key, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

bool Connection::insertRow(Recordset& rs, int row)
{
    if (!isOpen() || rs.m_table.isEmpty())
        return false;
    const QList<QVariant>& values = rs.m_rows.at(row);
    QStringList names;
    QStringList marks;
    QList<QVariant> bound;
    for (int c = 0; c < rs.m_columns.size(); ++c) {
        if (!values.at(c).isValid())
            continue;  // left to the table's default
        names << quoted(rs.m_columns.at(c));
        marks << QStringLiteral("?");
        bound << values.at(c);
    }
    const QString sql = names.isEmpty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(rs.m_table))
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
              .arg(quoted(rs.m_table), names.join(u','), marks.join(u','));
    Statement st = m_db->prepare(sql);
    if (!st.isValid()) {
        m_lastError = m_db->lastError();
        return false;
    }
    for (int i = 0; i < bound.size(); ++i)
        st.bind(i + 1, bound.at(i));
    if (!st.execute()) {
        m_lastError = st.lastError();
        return false;
    }

    // Read the stored row back so that defaults and the assigned key show.
    Statement back = m_db->prepare(QStringLiteral("SELECT * FROM %1 WHERE rowid=?").arg(quoted(rs.m_table)));
    back.bindInt64(1, m_db->lastInsertRowId());
    if (back.step() == Statement::Step::Row) {
        QList<QVariant>& stored = rs.m_rows[row];
        for (int c = 0; c < back.columnCount(); ++c) {
            const int at = rs.columnIndex(back.columnName(c));
            if (at >= 0)
                stored[at] = back.value(c);
        }
    }
    return true;
}

bool Connection::updateRow(Recordset& rs, int row, const QList<QPair<int, QVariant>>& edits)
{
    if (!isOpen() || rs.m_table.isEmpty() || rs.m_keyColumn < 0)
        return false;
    // The row is found by its key as it was read, even if the edit changed it.
    QVariant key = rs.m_rows.at(row).at(rs.m_keyColumn);
    QStringList sets;
    for (const auto& edit : edits) {
        sets << quoted(rs.m_columns.at(edit.first)) + QStringLiteral("=?");
        if (edit.first == rs.m_keyColumn)
            key = edit.second;
    }
    Statement st = m_db->prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3=?")
                                     .arg(quoted(rs.m_table), sets.join(u','), quoted(rs.m_columns.at(rs.m_keyColumn))));
    if (!st.isValid()) {
        m_lastError = m_db->lastError();
        return false;
    }
    int index = 1;
    for (const auto& edit : edits)
        st.bind(index++, rs.m_rows.at(row).at(edit.first));
    st.bind(index, key);
    if (!st.execute()) {
        m_lastError = st.lastError();
        return false;
    }
    if (m_db->changes() == 0) {
        m_lastError = QStringLiteral("the row is no longer in the table");
        return false;
    }
    return true;
}

// ---- Recordset -------------------------------------------------------------

int Recordset::RecordCount() const { return m_open ? int(m_visible.size()) : 0; }

bool Recordset::EOF_() const { return !m_open || m_visible.isEmpty() || m_position >= m_visible.size(); }

bool Recordset::BOF() const { return !m_open || m_visible.isEmpty() || m_position < 0; }

void Recordset::setPosition(int position)
{
    finishPending();
    m_position = std::clamp(position, -1, int(m_visible.size()));
}

void Recordset::MoveFirst()
{
    if (m_open)
        setPosition(0);
}

void Recordset::MoveLast()
{
    if (m_open)
        setPosition(int(m_visible.size()) - 1);
}

void Recordset::MoveNext()
{
    // Moving on from past the end fails and leaves the position.
    if (!EOF_())
        setPosition(m_position + 1);
}

void Recordset::MovePrevious()
{
    if (!BOF())
        setPosition(m_position - 1);
}

void Recordset::Move(int n)
{
    if (!m_open || m_visible.isEmpty())
        return;
    if ((n > 0 && EOF_()) || (n < 0 && BOF()))
        return;
    setPosition(m_position + n);
}

void Recordset::setFilter(const QString& filter)
{
    if (!m_open)
        return;
    const QString trimmed = filter.trimmed();
    if (!trimmed.isEmpty()) {
        static const QRegularExpression shape(QStringLiteral(R"(^\[?([A-Za-z_][A-Za-z0-9_]*)\]?\s*=\s*(.*)$)"));
        const QRegularExpressionMatch m = shape.match(trimmed);
        // A filter that cannot be applied fails and leaves the set as it was.
        if (!m.hasMatch() || columnIndex(m.captured(1)) < 0 || m.captured(2).trimmed().isEmpty())
            return;
    }
    finishPending();
    m_filter = trimmed;
    applyFilter();
}

void Recordset::applyFilter()
{
    m_visible.clear();
    int column = -1;
    QString wanted;
    bool wantedIsText = false;
    if (!m_filter.isEmpty()) {
        static const QRegularExpression shape(QStringLiteral(R"(^\[?([A-Za-z_][A-Za-z0-9_]*)\]?\s*=\s*(.*)$)"));
        const QRegularExpressionMatch m = shape.match(m_filter);
        column = m.hasMatch() ? columnIndex(m.captured(1)) : -1;
        wanted = m.captured(2).trimmed();
        if (wanted.size() >= 2 && (wanted.front() == u'\'' || wanted.front() == u'#') && wanted.back() == wanted.front()) {
            wanted = wanted.mid(1, wanted.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
            wantedIsText = true;
        }
    }
    for (int r = 0; r < m_rows.size(); ++r) {
        if (column < 0 || filterMatches(m_rows.at(r).at(column), wanted, wantedIsText))
            m_visible << r;
    }
    m_position = 0;
}

int Recordset::columnIndex(const QString& name) const
{
    for (int c = 0; c < m_columns.size(); ++c) {
        if (m_columns.at(c).compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

bool Recordset::currentRowIndex(int* row) const
{
    if (EOF_() || BOF())
        return false;
    *row = m_visible.at(m_position);
    return true;
}

QVariant Recordset::field(const QString& name) const
{
    int row = -1;
    const int column = columnIndex(name);
    if (column < 0 || !currentRowIndex(&row))
        return QVariant();
    return m_rows.at(row).at(column);
}

void Recordset::setField(const QString& name, const QVariant& value)
{
    int row = -1;
    const int column = columnIndex(name);
    if (column < 0 || !currentRowIndex(&row))
        return;
    if (!m_adding) {
        if (m_editRow != row) {
            finishPending();
            m_editRow = row;
        }
        bool known = false;
        for (const auto& edit : std::as_const(m_pendingEdits))
            known = known || edit.first == column;
        if (!known)
            m_pendingEdits.append({column, m_rows.at(row).at(column)});
    }
    m_rows[row][column] = value;
}

void Recordset::AppendChunk(const QString& name, const QByteArray& chunk)
{
    const int column = columnIndex(name);
    int row = -1;
    if (column < 0 || !currentRowIndex(&row))
        return;
    if (m_chunkedColumns.contains(column) && (m_adding || m_editRow == row)) {
        setField(name, m_rows.at(row).at(column).toByteArray() + chunk);
        return;
    }
    setField(name, chunk);
    m_chunkedColumns << column;
}

void Recordset::AddNew()
{
    if (!m_open)
        return;
    finishPending();
    QList<QVariant> row;
    for (int c = 0; c < m_columns.size(); ++c)
        row << QVariant();
    m_rows << row;
    m_visible << int(m_rows.size()) - 1;
    m_position = int(m_visible.size()) - 1;
    m_adding = true;
}

bool Recordset::Update()
{
    if (!m_open)
        return false;
    bool ok = true;
    if (m_adding) {
        const int row = int(m_rows.size()) - 1;
        ok = m_connection && m_connection->insertRow(*this, row);
        m_adding = false;
        if (!ok) {
            // A row that cannot be added is not part of the set afterwards.
            m_rows.removeLast();
            m_visible.removeAll(row);
            m_position = std::min(m_position, int(m_visible.size()));
        }
    } else if (!m_pendingEdits.isEmpty()) {
        ok = m_connection && m_connection->updateRow(*this, m_editRow, m_pendingEdits);
        if (!ok) {
            for (const auto& edit : std::as_const(m_pendingEdits))
                m_rows[m_editRow][edit.first] = edit.second;
        }
    }
    m_pendingEdits.clear();
    m_chunkedColumns.clear();
    m_editRow = -1;
    return ok;
}

void Recordset::CancelUpdate()
{
    if (m_adding) {
        const int row = int(m_rows.size()) - 1;
        m_rows.removeLast();
        m_visible.removeAll(row);
        m_position = std::min(m_position, int(m_visible.size()));
        m_adding = false;
    } else {
        for (const auto& edit : std::as_const(m_pendingEdits))
            m_rows[m_editRow][edit.first] = edit.second;
    }
    m_pendingEdits.clear();
    m_chunkedColumns.clear();
    m_editRow = -1;
}

void Recordset::finishPending()
{
    if (editPending())
        Update();
}

// ---- The tutor's shared state ---------------------------------------------

void OpenDatabase(std::shared_ptr<Connection>& connection, const QString& filePath)
{
    connection = std::make_shared<Connection>(filePath, tutorDatabasePassword());
}

void OpenRecordset(Recordset& recordset, const std::shared_ptr<Connection>& connection, const QString& query)
{
    recordset = connection ? connection->query(query) : Recordset();
}

QString BuildCardQuery(bool majorArcana, bool cups, bool wands, bool pentacles, bool swords)
{
    QStringList conditions;
    if (majorArcana)
        conditions << QStringLiteral("(Group=0)");
    const bool suits[] = {cups, wands, pentacles, swords};
    for (int i = 0; i < 4; ++i) {
        if (suits[i])
            conditions << QStringLiteral("(Group=") + QString::number(i + 1) + u')';
    }
    QString query = QStringLiteral("SELECT * FROM tblCards WHERE ");
    for (const QString& condition : std::as_const(conditions))
        query += u' ' + condition + QStringLiteral(" OR ");
    query.chop(4);
    query += QStringLiteral(" ORDER BY ID");
    // One left-to-right pass over non-overlapping pairs of spaces.
    query.replace(QStringLiteral("  "), QStringLiteral(" "));
    return query;
}

QString tutorDatabasePassword() { return QStringLiteral("Xq7Lm2Rt9Vb4Kd8Wp3"); }

QString tutorDatabasePath() { return platform::inApplicationFolder(QStringLiteral("learn.dll")); }

std::shared_ptr<Connection>& TutorConnection()
{
    static std::shared_ptr<Connection> connection;
    return connection;
}

Recordset& CardRecords()
{
    static Recordset records;
    return records;
}

} // namespace kestrune::tutor
