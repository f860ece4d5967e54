#include "detectorspage.h"
#include "recordingerrorbox.h"
#include "testmain.h"

class PageTest : public QObject {
    Q_OBJECT

private slots:
    void hasItsName()
    {
        velmora::test::RecordingErrorBox errors;
        velmora::TForm4 page([] { return std::string("1234"); }, errors);
        QCOMPARE(page.objectName(), QStringLiteral("TForm4"));
    }
};

VELMORA_TEST_MAIN(PageTest)
#include "detectorspage_test.moc"
