#include <QtTest>
class TestPictureStore : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(TestPictureStore)
#include "test_picture_store.moc"
