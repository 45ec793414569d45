#include "platform/db/Database.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace kestrune::platform::db;

class TestDatabase : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("t.db")); }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(path());
    }

    void keyIsCheckedWhenOpening()
    {
        {
            Database db;
            QVERIFY(db.open(path(), "secret", Database::Mode::Create));
            QVERIFY(db.exec(QStringLiteral("CREATE TABLE t (a INTEGER)")));
        }
        Database wrong;
        QVERIFY(!wrong.open(path(), "not the secret", Database::Mode::ReadOnly));
        QVERIFY(!wrong.isValid());
        QVERIFY(!wrong.lastError().isEmpty());
        QVERIFY(!wrong.prepare(QStringLiteral("SELECT 1")).isValid());

        Database plain;  // an encrypted file is no plain database either
        QVERIFY(!plain.open(path(), QByteArray(), Database::Mode::ReadOnly));

        Database right;
        QVERIFY(right.open(path(), "secret", Database::Mode::ReadOnly));
        QVERIFY(!right.exec(QStringLiteral("INSERT INTO t VALUES (1)")));  // read-only

        Database missing;
        QVERIFY(!missing.open(m_dir.filePath(QStringLiteral("none.db")), "secret", Database::Mode::ReadWrite));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("none.db"))));
    }

    void valuesKeepTheirType()
    {
        Database db;
        QVERIFY(db.open(path(), "k", Database::Mode::Create));
        QVERIFY(db.exec(QStringLiteral("CREATE TABLE t (v)")));
        const QByteArray withNul("a\0b\xff", 4);
        const QList<QVariant> values = {QVariant(qlonglong(1) << 40), QVariant(2.5), QVariant(QStringLiteral("Æsir ünï")),
                                        QVariant(withNul), QVariant(), QVariant(true)};
        Statement insert = db.prepare(QStringLiteral("INSERT INTO t VALUES (?)"));
        for (const QVariant& v : values) {
            QVERIFY(insert.reset());
            QVERIFY(insert.bind(1, v));
            QVERIFY(insert.execute());
        }
        QVERIFY(insert.reset() && insert.bindBlob(1, QByteArray()) && insert.execute());

        Statement read = db.prepare(QStringLiteral("SELECT v, typeof(v) FROM t ORDER BY rowid"));
        QStringList types;
        QList<QVariant> back;
        while (read.step() == Statement::Step::Row) {
            back << read.value(0);
            types << read.text(1);
        }
        QCOMPARE(types, (QStringList{QStringLiteral("integer"), QStringLiteral("real"), QStringLiteral("text"),
                                     QStringLiteral("blob"), QStringLiteral("null"), QStringLiteral("integer"),
                                     QStringLiteral("blob")}));  // an empty array is an empty blob, not NULL
        QCOMPARE(back.at(0).toLongLong(), qlonglong(1) << 40);
        QCOMPARE(back.at(2).toString(), QStringLiteral("Æsir ünï"));
        QCOMPARE(back.at(3).toByteArray(), withNul);
        QVERIFY(!back.at(4).isValid());
    }

    void errorsAreReported()
    {
        Database db;
        QVERIFY(db.open(path(), "k", Database::Mode::Create));
        Statement bad = db.prepare(QStringLiteral("SELEKT 1"));
        QVERIFY(!bad.isValid());
        QVERIFY(db.lastError().contains(QStringLiteral("syntax error")));
        QCOMPARE(bad.step(), Statement::Step::Error);

        QVERIFY(db.exec(QStringLiteral("CREATE TABLE t (id INTEGER PRIMARY KEY)")));
        QVERIFY(db.exec(QStringLiteral("INSERT INTO t VALUES (1)")));
        Statement dup = db.prepare(QStringLiteral("INSERT INTO t VALUES (1)"));
        QVERIFY(dup.isValid());
        QVERIFY(!dup.execute());
        QVERIFY(dup.lastError().contains(QStringLiteral("UNIQUE")));
        QVERIFY(!dup.bind(5, 1));  // no such parameter
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "test_database.moc"
