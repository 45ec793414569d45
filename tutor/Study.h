#pragma once

// Card study: what the study page shows of the current card, and stepping
// through the card set one card at a time.

#include "tutor/Recordset.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace kestrune::tutor {

struct StudyCard {
    int id = 0;
    QString name;
    QByteArray picture;        // the stored picture bytes
    QString normalMeaning;
    QString reversedMeaning;
    QString keywords;          // up to seven, each followed by ", "
};

// The first seven keywords of a card in the order the database returns them,
// each followed by ", " (the last one too); empty when it has none.
QString studyKeywords(const std::shared_ptr<Connection>& connection, int cardId);

// The current row of `cards` as the study page shows it.
StudyCard readStudyCard(const Recordset& cards, const std::shared_ptr<Connection>& connection);

// The 1-based position of the shown card within the card set. The recordset's
// current row is kept on that card.
class StudyNavigator {
public:
    explicit StudyNavigator(Recordset& cards) : m_cards(&cards) {}
    void setCards(Recordset& cards) { m_cards = &cards; }

    // Back to the first card.
    void restart();
    // One card on / back; false (and nothing moves) at the last / first card.
    bool next();
    bool previous();
    int position() const { return m_position; }

private:
    Recordset* m_cards;
    int m_position = 0;
};

} // namespace kestrune::tutor
