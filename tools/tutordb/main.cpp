// kestrune-tutordb: writes the tutor's card database from the readable content
// in data/tutor and the card pictures, and checks a database file.
//
//   kestrune-tutordb --build OUT.dll --data DIR --pictures CARDS_DIR
//   kestrune-tutordb --check FILE
//
// Exit status 0 on success; 1 with a message on standard error otherwise.

#include "tools/tutordb/TutorContent.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

// The password the tutor opens its database with.
const QByteArray kPassword = QByteArrayLiteral("Xq7Lm2Rt9Vb4Kd8Wp3");

int fail(const QString& message)
{
    QTextStream(stderr) << "kestrune-tutordb: " << message << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kestrune-tutordb"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes or checks the tutor's card database."));
    parser.addHelpOption();
    const QCommandLineOption build(QStringLiteral("build"), QStringLiteral("Write the database to <file>."),
                                   QStringLiteral("file"));
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("Folder with cards.tsv and keywords.tsv."), QStringLiteral("dir"));
    const QCommandLineOption pictures(QStringLiteral("pictures"),
                                      QStringLiteral("Folder with the card pictures r0.jpg ... r77.jpg."),
                                      QStringLiteral("dir"));
    const QCommandLineOption check(QStringLiteral("check"), QStringLiteral("Check the database <file>."),
                                   QStringLiteral("file"));
    parser.addOptions({build, data, pictures, check});
    parser.process(app);

    // An option given twice would silently lose one of its values.
    for (const QCommandLineOption* option : {&build, &data, &pictures, &check}) {
        if (parser.values(*option).size() > 1)
            return fail(QStringLiteral("--%1 is given more than once").arg(option->names().first()));
    }

    if (parser.isSet(build) == parser.isSet(check))
        return fail(QStringLiteral("give either --build or --check (see --help)"));

    if (parser.isSet(build)) {
        if (!parser.isSet(data) || !parser.isSet(pictures))
            return fail(QStringLiteral("--build needs --data and --pictures"));
        QList<kestrune::tutordb::CardText> cards;
        QString error;
        if (!kestrune::tutordb::readContent(parser.value(data), &cards, &error))
            return fail(error);
        if (!kestrune::tutordb::writeDatabase(parser.value(build), kPassword, cards, parser.value(pictures), &error))
            return fail(error);
        int keywords = 0;
        for (const auto& card : cards)
            keywords += int(card.keywords.size());
        QTextStream(stdout) << parser.value(build) << ": " << cards.size() << " cards, " << keywords
                            << " keywords written" << Qt::endl;
        return 0;
    }

    const QString file = parser.value(check);
    const kestrune::tutordb::CheckResult result = kestrune::tutordb::checkDatabase(file, kPassword);
    QTextStream out(stdout);
    for (const QString& line : result.summary)
        out << file << ": " << line << Qt::endl;
    if (!result.problems.isEmpty()) {
        QTextStream err(stderr);
        for (const QString& problem : result.problems)
            err << "kestrune-tutordb: " << problem << Qt::endl;
        return fail(QStringLiteral("%1 fails the check (%2 problem(s))").arg(file).arg(result.problems.size()));
    }
    out << file << ": OK" << Qt::endl;
    return 0;
}
