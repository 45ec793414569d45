// The one save path: a complete file or the old one, never a part; things
// that are not regular files are never replaced.

#include "platform/SaveFile.h"
#include "platform/Seams.h"
#include "tests/support/ScratchMount.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>

using namespace kestrune;

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Only the named files, nothing left behind by a failed save.
QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

class TestSaveFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        platform::resetSeams();
        for (const QString& name : entries(m_dir.path()))
            QVERIFY(QFile::remove(m_dir.filePath(name)) || QDir(m_dir.filePath(name)).removeRecursively());
    }
    void cleanup() { platform::resetSeams(); }

    void writesNewAndReplacesOldFilesWhole()
    {
        const QByteArray big(300 * 1024, 'x'); // several chunks
        QString error;
        QVERIFY(platform::saveFile(path("a.txt"), big, &error));
        QCOMPARE(contents(path("a.txt")), big);
        QVERIFY(platform::saveFile(path("a.txt"), "short", &error));
        QCOMPARE(contents(path("a.txt")), QByteArray("short"));
        QVERIFY(platform::saveFile(path("a.txt"), QByteArray(), &error));
        QCOMPARE(QFileInfo(path("a.txt")).size(), 0);
        QCOMPARE(entries(m_dir.path()), QStringList{"a.txt"});
    }

    void aRealFullDiskKeepsTheOldFile()
    {
        testing::ScratchMount disk(64 * 1024);
        if (!disk.isMounted())
            QSKIP("mounting a small file system needs root");
        const QString target = disk.filePath(QStringLiteral("goals.txt"));
        const QByteArray old(20 * 1024, 'o');
        QVERIFY(platform::saveFile(target, old));
        QString error;
        int code = 0;
        QVERIFY(!platform::saveFile(target, QByteArray(200 * 1024, 'n'), &error, &code));
        QCOMPARE(contents(target), old);
        QCOMPARE(entries(disk.path()), QStringList{"goals.txt"});
        QVERIFY2(error.contains(QLatin1String("space"), Qt::CaseInsensitive), qPrintable(error));
        QCOMPARE(code, ENOSPC);
        // The space the failed attempt took is given back: a small save fits again.
        QVERIFY(platform::saveFile(target, "fits"));
        QCOMPARE(contents(target), QByteArray("fits"));
    }

    void aReadOnlyFolderKeepsTheOldFile()
    {
        testing::ScratchMount disk(64 * 1024);
        if (!disk.isMounted())
            QSKIP("mounting a small file system needs root");
        const QString target = disk.filePath(QStringLiteral("report.txt"));
        QVERIFY(platform::saveFile(target, "old"));
        QVERIFY(disk.makeReadOnly());
        QString error;
        QVERIFY(!platform::saveFile(target, "new", &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(contents(target), QByteArray("old"));
    }

    void aWriteFailingPartWayKeepsTheOldFile_data()
    {
        QTest::addColumn<qint64>("failAfter");
        QTest::newRow("before the first byte") << qint64(0);
        QTest::newRow("after the first chunk") << qint64(64 * 1024);
        QTest::newRow("near the end") << qint64(192 * 1024);
    }
    void aWriteFailingPartWayKeepsTheOldFile()
    {
        QFETCH(qint64, failAfter);
        put(path("a.txt"), "the old goals");
        QList<qint64> asked;
        platform::setSaveFaultHook([&](const QString& p, qint64 written) {
            asked << written;
            return p == path("a.txt") && written >= failAfter ? QStringLiteral("No space left on device") : QString();
        });
        QString error;
        int code = 0;
        QVERIFY(!platform::saveFile(path("a.txt"), QByteArray(256 * 1024, 'n'), &error, &code));
        QCOMPARE(error, QStringLiteral("No space left on device"));
        QVERIFY(code != 0);
        QCOMPARE(asked.last(), failAfter);
        QCOMPARE(contents(path("a.txt")), QByteArray("the old goals"));
        QCOMPARE(entries(m_dir.path()), QStringList{"a.txt"});

        // resetSeams() takes the fault away again.
        platform::resetSeams();
        QVERIFY(platform::saveFile(path("a.txt"), "new"));
        QCOMPARE(contents(path("a.txt")), QByteArray("new"));
    }

    void whatIsNotARegularFileIsNeverReplaced_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << "folder" << "It is a folder, not a file";
        QTest::newRow("fifo") << "fifo" << "It is not a regular file";
        QTest::newRow("link to a fifo") << "link" << "It is not a regular file";
    }
    void whatIsNotARegularFileIsNeverReplaced()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString target = path("target");
        QVERIFY(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600) == 0);
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(target));
        else if (kind == QLatin1String("fifo"))
            QVERIFY(QFile::rename(path("fifo"), target));
        else
            QVERIFY(QFile::link(path("fifo"), target));
        const QFileInfo before(target);

        QString error;
        QVERIFY(!platform::saveFile(target, "bytes", &error));
        QCOMPARE(error, reason);
        const QFileInfo after(target);
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(after.isSymLink(), before.isSymLink());
        QVERIFY(!after.isFile());
    }

    void aMissingFolderIsAFailureWithItsReason()
    {
        QString error;
        QVERIFY(!platform::saveFile(path("no/such/folder.txt"), "x", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFileInfo::exists(path("no")));
    }
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "test_save_file.moc"
