#include "firststartpage.h"
#include "recordingerrorbox.h"
#include "testmain.h"

class PageTest : public QObject {
    Q_OBJECT

private slots:
    void hasItsName()
    {
        velmora::test::RecordingErrorBox errors;
        velmora::TForm13 page(errors);
        QCOMPARE(page.objectName(), QStringLiteral("TForm13"));
    }
};

VELMORA_TEST_MAIN(PageTest)
#include "firststartpage_test.moc"
