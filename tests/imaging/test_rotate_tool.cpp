#include <QtTest>
class TestRotateTool : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(TestRotateTool)
#include "test_rotate_tool.moc"
