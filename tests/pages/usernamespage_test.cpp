#include "recordingerrorbox.h"
#include "testmain.h"
#include "usernamespage.h"

class PageTest : public QObject {
    Q_OBJECT

private slots:
    void hasItsName()
    {
        velmora::test::RecordingErrorBox errors;
        velmora::TForm7 page([] { return std::string("1234"); }, errors);
        QCOMPARE(page.objectName(), QStringLiteral("TForm7"));
    }
};

VELMORA_TEST_MAIN(PageTest)
#include "usernamespage_test.moc"
