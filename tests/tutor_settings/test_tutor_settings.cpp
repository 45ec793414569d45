#include "platform/Seams.h"
#include "tutor/TutorSettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace kestrune::tutor;
namespace platform = kestrune::platform;

class TestTutorSettings : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("settings.ini")); }

    QString stored(const QString& key)
    {
        QSettings ini(iniPath(), QSettings::IniFormat);
        return ini.value(QStringLiteral("Settings/") + key).toString();
    }
    void store(const QString& key, const QString& value)
    {
        QSettings ini(iniPath(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Settings/") + key, value);
    }

private slots:
    void init()
    {
        QFile::remove(iniPath());
        platform::setSettingsFile(iniPath());
    }
    void cleanup() { platform::resetSeams(); }

    void theTableHoldsTheNineKeysInLoadOrder()
    {
        QStringList keys, defaults;
        for (const TutorSettingKey& k : tutorSettingKeys()) {
            keys << k.key;
            defaults << k.defaultValue;
        }
        QCOMPARE(keys, (QStringList{"MajorArcana", "MinorArcana", "Cups", "Wands", "Pentacles", "Swords",
                                    "TestType", "Difficulty", "RunAtSysTray"}));
        QCOMPARE(defaults, (QStringList{"1", "1", "1", "1", "1", "1", "1", "0", "False"}));
    }

    void anEmptyStoreGivesTheFirstStartChoices()
    {
        platform::SettingsStore s;
        const TutorSettings loaded = loadTutorSettings(s);
        QCOMPARE(loaded.majorArcana, std::optional<bool>(true));
        QCOMPARE(loaded.minorArcana, std::optional<bool>(true));
        for (const std::optional<bool>& group : loaded.groups)
            QCOMPARE(group, std::optional<bool>(true));
        QCOMPARE(loaded.testType, std::optional<int>(1));   // keyword test
        QCOMPARE(loaded.difficulty, std::optional<int>(0)); // first level
        QVERIFY(!loaded.runAtSysTray);
        QVERIFY(!s.contains(QStringLiteral("MajorArcana"))); // loading writes nothing
    }

    void savingWritesEveryKeyAsText()
    {
        TutorSettings choices = TutorSettings::defaults();
        choices.minorArcana = false;
        choices.groups[2] = false;
        choices.testType = 0;   // Description
        choices.difficulty = 1; // Intermediate
        choices.runAtSysTray = true;
        {
            platform::SettingsStore s;
            saveTutorSettings(s, choices);
        }
        QCOMPARE(stored(QStringLiteral("MajorArcana")), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("MinorArcana")), QStringLiteral("0"));
        QCOMPARE(stored(QStringLiteral("Pentacles")), QStringLiteral("0"));
        QCOMPARE(stored(QStringLiteral("Swords")), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("TestType")), QStringLiteral("0"));
        QCOMPARE(stored(QStringLiteral("Difficulty")), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("RunAtSysTray")), QStringLiteral("True"));

        platform::SettingsStore s;
        const TutorSettings back = loadTutorSettings(s);
        QCOMPARE(back.minorArcana, std::optional<bool>(false));
        QCOMPARE(back.groups[2], std::optional<bool>(false));
        QCOMPARE(back.testType, std::optional<int>(0));
        QCOMPARE(back.difficulty, std::optional<int>(1));
        QVERIFY(back.runAtSysTray);
    }

    void theTrayBoxWritesItsKeyAlone()
    {
        {
            platform::SettingsStore s;
            saveRunAtSysTray(s, true);
        }
        QCOMPARE(stored(QStringLiteral("RunAtSysTray")), QStringLiteral("True"));
        QVERIFY(stored(QStringLiteral("Difficulty")).isEmpty());
        platform::SettingsStore s;
        saveRunAtSysTray(s, false);
        s.sync();
        QCOMPARE(stored(QStringLiteral("RunAtSysTray")), QStringLiteral("False"));
    }

    // Stored texts that cannot be read leave their control as it is (an empty
    // value); "RunAtSysTray" counts only when it is exactly "True".
    void storedTextsAreReadByTheirKind_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("loaded"); // "-" for left unchanged

        QTest::newRow("tick state 0") << "Cups" << "0" << "0";
        QTest::newRow("tick state with blanks") << "Cups" << " 1 " << "1";
        QTest::newRow("tick state not a number") << "Cups" << "yes" << "-";
        QTest::newRow("tick state out of range") << "Cups" << "7" << "-";
        QTest::newRow("test type 0") << "TestType" << "0" << "0";
        QTest::newRow("test type without such a button") << "TestType" << "2" << "-";
        QTest::newRow("difficulty 2") << "Difficulty" << "2" << "2";
        QTest::newRow("difficulty not a number") << "Difficulty" << "hard" << "-";
        QTest::newRow("tray True") << "RunAtSysTray" << "True" << "1";
        QTest::newRow("tray true in lower case") << "RunAtSysTray" << "true" << "0";
        QTest::newRow("tray 1") << "RunAtSysTray" << "1" << "0";
    }
    void storedTextsAreReadByTheirKind()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, loaded);
        store(key, value);
        platform::SettingsStore s;
        const TutorSettings t = loadTutorSettings(s);
        auto shown = [](auto v) { return v ? QString::number(int(*v)) : QStringLiteral("-"); };
        QString got;
        if (key == QLatin1String("Cups"))
            got = shown(t.groups[0]);
        else if (key == QLatin1String("TestType"))
            got = shown(t.testType);
        else if (key == QLatin1String("Difficulty"))
            got = shown(t.difficulty);
        else
            got = QString::number(int(t.runAtSysTray));
        QCOMPARE(got, loaded);
    }
};

QTEST_GUILESS_MAIN(TestTutorSettings)
#include "test_tutor_settings.moc"
