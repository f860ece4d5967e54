#include "recordingerrorbox.h"
#include "testmain.h"
#include "usernumberspage.h"

class PageTest : public QObject {
    Q_OBJECT

private slots:
    void hasItsName()
    {
        velmora::test::RecordingErrorBox errors;
        velmora::TForm3 page([] { return std::string("1234"); }, errors);
        QCOMPARE(page.objectName(), QStringLiteral("TForm3"));
    }
};

VELMORA_TEST_MAIN(PageTest)
#include "usernumberspage_test.moc"
