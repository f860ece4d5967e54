#include "recordingerrorbox.h"
#include "remotecontrolspage.h"
#include "testmain.h"

class PageTest : public QObject {
    Q_OBJECT

private slots:
    void hasItsName()
    {
        velmora::test::RecordingErrorBox errors;
        velmora::TForm8 page([] { return std::string("1234"); }, errors);
        QCOMPARE(page.objectName(), QStringLiteral("TForm8"));
    }
};

VELMORA_TEST_MAIN(PageTest)
#include "remotecontrolspage_test.moc"
