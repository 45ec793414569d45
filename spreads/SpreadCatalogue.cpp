#include "spreads/Spreads.h"

#include "platform/Seams.h"

namespace kestrune::spreads {

namespace {

// The eight spreads in the order of the spread list. Titles of the inline
// spreads end in the spaces that separate them from their text.
const QList<Spread>& catalogue()
{
    static const QList<Spread> spreads = {
        {QStringLiteral("Celtic Cross"), 0, QStringLiteral("mnuCeltic"), QStringLiteral("&Celtic Cross"), 10,
         QStringLiteral("Spread Type - Celtic Cross Spread"),
         QStringLiteral("This is one of the most common spreads. This is also known as the Grand Cross spread. "
                        "This spread provides a very detailed reading of the past and present situation and the "
                        "external influences. There are four cards in a row along the side with a cross in the "
                        "centre. This is a somewhat complex spread and needs expertise."),
         PositionStyle::Block,
         {QStringLiteral("Card 1: The Covering"), QStringLiteral("Card 2: The Crossing"),
          QStringLiteral("Card 3: The Root"), QStringLiteral("Card 4: The Past"), QStringLiteral("Card 5: The Crown"),
          QStringLiteral("Card 6: The Future"), QStringLiteral("Card 7: The Questioner"),
          QStringLiteral("Card 8: The House"), QStringLiteral("Card 9: The Inside"),
          QStringLiteral("Card 10: The Outcome")},
         {QStringLiteral("This represents the overall events, situations or influences surrounding the present "
                         "question."),
          QStringLiteral("This represents the current problems, challenges and negative influences that the "
                         "querent has to face."),
          QStringLiteral("This represents what was the actual reason for the problem to occur or how the querent "
                         "feels about it subconsciously."),
          QStringLiteral("This represents events that have occurred in the near past that are going away."),
          QStringLiteral("This signifies the querent's knowledge of the present situation and the influences "
                         "affecting it."),
          QStringLiteral("This represents events that will occur in the near future."),
          QStringLiteral("This represents the attitude of the querent and the negative feelings he may have "
                         "regarding the question."),
          QStringLiteral("This represents the opinions and influences of friends and family."),
          QStringLiteral("This represents the querent's hopes and fears regarding the situation."),
          QStringLiteral("This represents the final outcome of the situation.")}},

        {QStringLiteral("One Card"), 1, QStringLiteral("mnuOne"), QStringLiteral("&One Card"), 1,
         QStringLiteral("Spread Type - One Card"),
         QStringLiteral("This is the simplest spread of all. This is generally used for daily and quick readings. "
                        "This spread is concise and good for a single issue. This can be highly exact depending on "
                        "the situation."),
         PositionStyle::Inline,
         {QStringLiteral("Card 1:  ")},
         {QStringLiteral("This represents the most important factor that affects the issue in hand.")}},

        {QStringLiteral("Two Cards"), 2, QStringLiteral("mnuTwo"), QStringLiteral("&Two Cards"), 2,
         QStringLiteral("Spread Type - Two Cards"),
         QStringLiteral("This spread needs certain knowledge before a reading is done. This may be used at times "
                        "for a yes/no reading or to know which of the two solutions is better. In a yes/no reading "
                        "the 'yes' card and the 'no' card are chosen in advance."),
         PositionStyle::Inline,
         {QStringLiteral("Card 1: "), QStringLiteral("Card 2: ")},
         {QStringLiteral("This card signifies what can happen if you carry out the solution that this card "
                         "represents."),
          QStringLiteral("This card signifies what can happen if you carry out the solution that this card "
                         "represents.")}},

        {QStringLiteral("Three Cards"), 3, QStringLiteral("mnyThree"), QStringLiteral("T&hree Cards"), 3,
         QStringLiteral("Spread Type - Three Cards"),
         QStringLiteral("This spread is good for someone who wants know how his/her life will be in general. If a "
                        "specific question has been asked, then the cards will be interpreted with respect to the "
                        "question."),
         PositionStyle::Block,
         {QStringLiteral("Card 1 - Past"), QStringLiteral("Card 2 - Present"), QStringLiteral("Card 3 - Future")},
         {QStringLiteral("This represents certain events in the past which have influenced the present condition. "
                         "These events are responsible for the current events surrounding the asked question or "
                         "current situation."),
          QStringLiteral("This card represents the present state surrounding some current event or situation. "
                         "This may also be the problems and obstacles that the person may have to face."),
          QStringLiteral("This card represents the future outcome of the present circumstances or events that may "
                         "lead to the outcome.")}},

        {QStringLiteral("The Line Spread"), 4, QStringLiteral("mnuLine"), QStringLiteral("The &Line Spread"), 5,
         QStringLiteral("Spread Type - The Line Spread"),
         QStringLiteral("All cards in this layout are in a straight horizontal line in a descending order. This "
                        "spread represents the past, present and future and used for quick readings. This is a very "
                        "simple and accurate spread which gives a very clear idea about the situation."),
         PositionStyle::Inline,
         {QStringLiteral("Card 1 - "), QStringLiteral("Card 2 - "), QStringLiteral("Card 3 - "),
          QStringLiteral("Card 4 - "), QStringLiteral("Card 5 - ")},
         {QStringLiteral("This card represents the distant past."),
          QStringLiteral("This card represents the recent past."),
          QStringLiteral("This card represents the present."),
          QStringLiteral("This card represents the near future."),
          QStringLiteral("This card represents the distant future.")}},

        {QStringLiteral("Wystran Wheel Spread(Tasmerin)"), 5, QStringLiteral("mnuWystran"),
         QStringLiteral("&Wystran Wheel Spread(Tasmerin)"), 5,
         QStringLiteral("Spread Type - Wystran Wheel Spread(Tasmerin)"),
         QStringLiteral("This layout is based on the Wystran Wheel. He did not invent this spread but this is "
                        "based on his tarot wheel."),
         PositionStyle::Block,
         {QStringLiteral("Card 1 - The Present"), QStringLiteral("Card 2 - Waning Influences"),
          QStringLiteral("Card 3 - Hidden or Unconscious Influences"), QStringLiteral("Card 4 - Emerging Influences"),
          QStringLiteral("Card 5 - Synthesis")},
         {QStringLiteral("This card represents the current influences on the present situation or event."),
          QStringLiteral("This card represents the influences that have affected the event and have been "
                         "overcome."),
          QStringLiteral("This card represents hidden or unknown influences."),
          QStringLiteral("This card represents new influences that may effect the situation."),
          QStringLiteral("This represents the synthesis of the whole situation and the meaning of all the "
                         "influences.")}},

        {QStringLiteral("Seven Card Chakra Layout"), 6, QStringLiteral("mnuSeven"),
         QStringLiteral("&Seven card chakra layout"), 7, QStringLiteral("Spread Type - Seven Card Chakra Spread"),
         QStringLiteral("This is a more meditative spread. This gives a clear idea of what is flowing smoothly in "
                        "the querent's body and which chakras are blocked or which need more attention. The layout "
                        "is vertical representing the seven chakras in our body. It is read from bottom to top.  "
                        "This spread is very useful for readings in which one wants to know more about oneself. "
                        "Each card is associated with a chakra colour."),
         PositionStyle::Block,
         {QStringLiteral("Card 1 - The Root"), QStringLiteral("Card 2 - Sexual Center"),
          QStringLiteral("Card 3 - Power Center"), QStringLiteral("Card 4 - The Heart"),
          QStringLiteral("Card 5 - The Throat"), QStringLiteral("Card 6 - The Third Eye"),
          QStringLiteral("Card 7 - The Crown")},
         {QStringLiteral("This card is associated with the physical condition of the querent and how he feels "
                         "about himself with respect to the material world in terms of work, power, passion, "
                         "survival."),
          QStringLiteral("This card represents the querent's emotions, desire, sexual passion, pleasure and self "
                         "love."),
          QStringLiteral("This card is associated with the querent's relation with honor, truth, ego, self "
                         "confidence, power and energy levels."),
          QStringLiteral("This is related to feelings for others, compassion and relationship."),
          QStringLiteral("This relates to the querent's thirst to know 'who he is', 'what does he want' and 'who "
                         "would he like to be'.  This shows how you can connect to your ideas and communicate."),
          QStringLiteral("This represents the intuition, spiritual awareness, imagination, visualization and "
                         "perception."),
          QStringLiteral("This represents the querent's connection to a higher begin whom he reveres, final goals "
                         "and aspirations.")}},

        {QStringLiteral("Four Seasons Spread(Quorvane/Hovelt)"), 7, QStringLiteral("mnuFour"),
         QStringLiteral("F&our Seasons Spread(Quorvane/Hovelt)"), 8, QStringLiteral("Spread Type - Four Seasons Spread"),
         QStringLiteral("This spread can be used to look into the near future or coming year season by season. It "
                        "gives a detailed description about what can be expected to happen in the four seasons of "
                        "the year. A person gets an in depth knowledge of his plans from the conception to the "
                        "execution stage. This is a spiritual spread."),
         PositionStyle::Block,
         {QStringLiteral("Card 1 - The Spring"), QStringLiteral("Card 2"), QStringLiteral("Card 3 - The Summer"),
          QStringLiteral("Card 4"), QStringLiteral("Card 5 - Autumn"), QStringLiteral("Card 6"),
          QStringLiteral("Card 7 - Winter"), QStringLiteral("Card 8")},
         {QStringLiteral("This card represents the new beginning of an idea, like the planting of a seed for a new "
                         "venture."),
          QStringLiteral("This card alters the next card (Card 3)"),
          QStringLiteral("This card represents the flowering or progression of an idea."),
          QStringLiteral("This card alters the next card (Card5)"),
          QStringLiteral("This card signifies the finalization of the plan and how events will wind up."),
          QStringLiteral("This card modifies the next card (Card 7)"),
          QStringLiteral("This represents the period of reflection as to what the querent may have learnt from the "
                         "progression of the plan."),
          QStringLiteral("This card alters Card 1.")}},
    };
    return spreads;
}

} // namespace

QString Spread::PositionTitle(int position) const
{
    return position >= 0 && position < cardCount && position < titles.size() ? titles[position] : QString();
}

QString Spread::PositionText(int position) const
{
    return position >= 0 && position < cardCount && position < texts.size() ? texts[position] : QString();
}

QString Spread::PreviewPicturePath(const QString& applicationFolder) const
{
    return applicationFolder + QStringLiteral("/pic/c") + QString::number(listPosition) + QStringLiteral(".jpg");
}

QString Spread::PreviewPicturePath() const { return PreviewPicturePath(platform::applicationFolder()); }

const QList<Spread>& AllSpreads() { return catalogue(); }

const Spread* FindSpread(const QString& name)
{
    for (const Spread& spread : catalogue()) {
        if (spread.name.compare(name, Qt::CaseSensitive) == 0)
            return &spread;
    }
    return nullptr;
}

const Spread* SpreadAtListPosition(int listPosition)
{
    if (listPosition < 0 || listPosition >= catalogue().size())
        return nullptr;
    return &catalogue()[listPosition];
}

QString PositionGuidance(const Spread& spread, int position)
{
    if (position < 0 || position >= spread.cardCount)
        return QString();
    const QString separator = spread.style == PositionStyle::Block ? QStringLiteral("\r\n") : QString();
    return spread.PositionTitle(position) + separator + spread.PositionText(position);
}

QList<MenuEntry> SpreadMenu()
{
    // Menu order puts the wheel before the line; the chakra entry's text differs
    // in case from the list entry it selects.
    QList<MenuEntry> menu;
    for (int listPosition : {0, 1, 2, 3, 5, 4, 6, 7}) {
        const Spread& spread = catalogue()[listPosition];
        menu.append({spread.menuObjectName, spread.menuCaption, spread.name});
    }
    menu[6].listText = QStringLiteral("Seven card chakra layout");
    return menu;
}

int ListPositionIgnoringCase(const QString& text)
{
    for (const Spread& spread : catalogue()) {
        if (spread.name.compare(text, Qt::CaseInsensitive) == 0)
            return spread.listPosition;
    }
    return -1;
}

} // namespace kestrune::spreads
