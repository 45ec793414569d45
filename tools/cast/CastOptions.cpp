#include "tools/cast/CastOptions.h"

#include "reading/Draw.h"
#include "spreads/Spreads.h"

#include <QCommandLineParser>
#include <QSet>

namespace kestrune::cast {

namespace {

std::optional<QList<reading::CardIndex>> parseCardList(const QString& value, const QString& option, QString& error)
{
    QList<reading::CardIndex> cards;
    const QStringList parts = value.split(QLatin1Char(','));
    for (const QString& raw : parts) {
        const QString part = raw.trimmed();
        bool ok = false;
        const int c = part.toInt(&ok, 10);
        if (part.isEmpty() || !ok) {
            error = QStringLiteral("--%1: \"%2\" is not a card number (0..77)").arg(option, raw);
            return std::nullopt;
        }
        if (!deck::IsCardIndex(c)) {
            error = QStringLiteral("--%1: card %2 is outside 0..77").arg(option).arg(c);
            return std::nullopt;
        }
        if (cards.contains(c)) {
            error = QStringLiteral("--%1: card %2 is given twice").arg(option).arg(c);
            return std::nullopt;
        }
        cards.append(c);
    }
    return cards;
}

QString spreadNames()
{
    QStringList names;
    for (const spreads::Spread& s : spreads::AllSpreads())
        names.append(QStringLiteral("  ") + s.name);
    return names.join(QLatin1Char('\n'));
}

} // namespace

ParseResult ParseCastArguments(const QStringList& arguments)
{
    ParseResult result;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Casts a tarot reading and prints it as the reading window would show it.\n\nSpreads:\n")
        + spreadNames());
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption spread(QStringLiteral("spread"),
                                    QStringLiteral("The spread, by its exact name (default \"One Card\")."),
                                    QStringLiteral("NAME"));
    const QCommandLineOption major(QStringLiteral("major"), QStringLiteral("Draw from the major arcana only."));
    const QCommandLineOption minor(QStringLiteral("minor"), QStringLiteral("Draw from the minor arcana only."));
    const QCommandLineOption noReverse(QStringLiteral("no-reverse"), QStringLiteral("No card lies reversed."));
    const QCommandLineOption cards(QStringLiteral("cards"),
                                   QStringLiteral("The cards of the positions in order, instead of drawing."),
                                   QStringLiteral("N,N,..."));
    const QCommandLineOption reversed(QStringLiteral("reversed"),
                                      QStringLiteral("Which of the --cards lie reversed."), QStringLiteral("N,N,..."));
    const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("text (default) or html."),
                                    QStringLiteral("text|html"), QStringLiteral("text"));
    parser.addOptions({help, spread, major, minor, noReverse, cards, reversed, format});
    result.helpText = parser.helpText();

    QStringList argv = arguments;
    argv.prepend(QStringLiteral("kestrune-cast"));
    if (!parser.parse(argv)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        result.helpShown = true;
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error = QStringLiteral("Unexpected argument: ") + parser.positionalArguments().first();
        return result;
    }
    // Options given more than once would silently lose a value.
    for (const QString& name : parser.optionNames()) {
        if (parser.optionNames().count(name) > 1) {
            result.error = QStringLiteral("--%1 is given more than once").arg(name);
            return result;
        }
    }

    CastRequest request;
    if (parser.isSet(spread))
        request.spreadName = parser.value(spread);
    const spreads::Spread* chosen = spreads::FindSpread(request.spreadName);
    if (!chosen) {
        result.error = QStringLiteral("Unknown spread \"%1\". The spreads are:\n").arg(request.spreadName)
            + spreadNames();
        return result;
    }

    request.majorOnly = parser.isSet(major);
    request.minorOnly = parser.isSet(minor);
    if (request.majorOnly && request.minorOnly) {
        result.error = QStringLiteral("--major and --minor exclude each other");
        return result;
    }
    request.allowReversed = !parser.isSet(noReverse);

    const QString formatName = parser.value(format);
    if (formatName == QStringLiteral("text"))
        request.format = OutputFormat::Text;
    else if (formatName == QStringLiteral("html"))
        request.format = OutputFormat::Html;
    else {
        result.error = QStringLiteral("--format must be text or html, not \"%1\"").arg(formatName);
        return result;
    }

    if (parser.isSet(cards)) {
        request.cards = parseCardList(parser.value(cards), QStringLiteral("cards"), result.error);
        if (!request.cards)
            return result;
        if (request.cards->size() != chosen->cardCount) {
            result.error = QStringLiteral("\"%1\" takes %2 card(s), --cards gives %3")
                               .arg(chosen->name)
                               .arg(chosen->cardCount)
                               .arg(request.cards->size());
            return result;
        }
        const reading::CardSet set = request.majorOnly ? reading::CardSet::MajorArcana
            : request.minorOnly                        ? reading::CardSet::MinorArcana
                                                       : reading::CardSet::FullDeck;
        for (reading::CardIndex c : *request.cards) {
            if (!reading::InCardSet(set, c)) {
                result.error = QStringLiteral("Card %1 (%2) is not in the %3")
                                   .arg(c)
                                   .arg(deck::CardName(c),
                                        request.majorOnly ? QStringLiteral("major arcana (0..21)")
                                                          : QStringLiteral("minor arcana (22..77)"));
                return result;
            }
        }
    }

    if (parser.isSet(reversed)) {
        if (!request.cards) {
            result.error = QStringLiteral("--reversed needs --cards");
            return result;
        }
        if (!request.allowReversed) {
            result.error = QStringLiteral("--reversed and --no-reverse exclude each other");
            return result;
        }
        const auto list = parseCardList(parser.value(reversed), QStringLiteral("reversed"), result.error);
        if (!list)
            return result;
        for (reading::CardIndex c : *list) {
            if (!request.cards->contains(c)) {
                result.error = QStringLiteral("--reversed: card %1 is not among --cards").arg(c);
                return result;
            }
        }
        request.reversed = *list;
    }

    result.request = request;
    return result;
}

} // namespace kestrune::cast
