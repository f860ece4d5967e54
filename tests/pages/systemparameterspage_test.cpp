#include "recordingerrorbox.h"
#include "systemparameterspage.h"
#include "testmain.h"

class PageTest : public QObject {
    Q_OBJECT

private slots:
    void hasItsName()
    {
        velmora::test::RecordingErrorBox errors;
        velmora::TForm6 page([] { return std::string("1234"); }, errors);
        QCOMPARE(page.objectName(), QStringLiteral("TForm6"));
    }
};

VELMORA_TEST_MAIN(PageTest)
#include "systemparameterspage_test.moc"
