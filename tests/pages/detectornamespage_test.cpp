#include "detectornamespage.h"
#include "recordingerrorbox.h"
#include "testmain.h"

class PageTest : public QObject {
    Q_OBJECT

private slots:
    void hasItsName()
    {
        velmora::test::RecordingErrorBox errors;
        velmora::TForm5 page([] { return std::string("1234"); }, errors);
        QCOMPARE(page.objectName(), QStringLiteral("TForm5"));
    }
};

VELMORA_TEST_MAIN(PageTest)
#include "detectornamespage_test.moc"
