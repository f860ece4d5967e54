#include "recordingerrorbox.h"
#include "testmain.h"
#include "testmessagespage.h"

class PageTest : public QObject {
    Q_OBJECT

private slots:
    void hasItsName()
    {
        velmora::test::RecordingErrorBox errors;
        velmora::Tform11 page([] { return std::string("1234"); }, errors);
        QCOMPARE(page.objectName(), QStringLiteral("Tform11"));
    }
};

VELMORA_TEST_MAIN(PageTest)
#include "testmessagespage_test.moc"
