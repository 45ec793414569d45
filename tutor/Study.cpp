#include "tutor/Study.h"

namespace kestrune::tutor {

QString studyKeywords(const std::shared_ptr<Connection>& connection, int cardId)
{
    Recordset rows;
    OpenRecordset(rows, connection,
                  QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=") + QString::number(cardId));
    QString text;
    if (rows.RecordCount() <= 0)
        return text;
    rows.MoveFirst();
    for (int k = 0; k < 7 && !rows.EOF_(); ++k) {
        text += rows.text(QStringLiteral("Keyword")) + QStringLiteral(", ");
        rows.MoveNext();
    }
    return text;
}

StudyCard readStudyCard(const Recordset& cards, const std::shared_ptr<Connection>& connection)
{
    StudyCard card;
    if (!cards.isOpen() || cards.EOF_() || cards.BOF())
        return card;
    card.id = cards.field(QStringLiteral("ID")).toInt();
    card.name = cards.text(QStringLiteral("Name"));
    card.picture = cards.bytes(QStringLiteral("PictureData"));
    card.normalMeaning = cards.text(QStringLiteral("normalmeaning"));
    card.reversedMeaning = cards.text(QStringLiteral("ReversedMeaning"));
    card.keywords = studyKeywords(connection, card.id);
    return card;
}

void StudyNavigator::restart()
{
    m_position = 1;
    m_cards->MoveFirst();
}

bool StudyNavigator::next()
{
    if (m_position >= m_cards->RecordCount())
        return false;
    ++m_position;
    m_cards->MoveNext();
    return true;
}

bool StudyNavigator::previous()
{
    if (m_position < 2)
        return false;
    --m_position;
    m_cards->MovePrevious();
    return true;
}

} // namespace kestrune::tutor
