#include "jpeg.h"
#include "testmain.h"

#include <QBuffer>
#include <QFile>

using namespace velmora;

namespace {

QByteArray resource(const QString& name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

} // namespace

class JpegTest : public QObject {
    Q_OBJECT

private slots:
    void decodesThePicturesOfTheMainPage()
    {
        const QImage logo = decodeJpeg(resource(QStringLiteral(":/pictures/logo.jpg")));
        QCOMPARE(logo.size(), QSize(300, 185));
        const QImage exit = decodeJpeg(resource(QStringLiteral(":/pictures/exit.jpg")));
        QCOMPARE(exit.size(), QSize(106, 100));
    }

    // Colours come out in their own channels, whatever order the screen keeps them in.
    void decodesColoursFaithfully()
    {
        const QList<QColor> colours{Qt::red, Qt::green, Qt::blue, QColor(0, 0, 128)};
        QImage picture(64, 16, QImage::Format_RGB32);
        for (int i = 0; i < colours.size(); ++i) {
            for (int y = 0; y < 16; ++y) {
                for (int x = 16 * i; x < 16 * (i + 1); ++x) {
                    picture.setPixelColor(x, y, colours[i]);
                }
            }
        }
        QByteArray data;
        QBuffer buffer(&data);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "JPG", 100));

        const QImage decoded = decodeJpeg(data);
        QCOMPARE(decoded.size(), picture.size());
        for (int i = 0; i < colours.size(); ++i) {
            const QColor shown = decoded.pixelColor(16 * i + 8, 8);
            QVERIFY2(qAbs(shown.red() - colours[i].red()) < 8 && qAbs(shown.green() - colours[i].green()) < 8 &&
                         qAbs(shown.blue() - colours[i].blue()) < 8 && shown.alpha() == 255,
                     qPrintable(shown.name()));
        }
    }

    void damagedDataGivesANullImage_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray logo = resource(QStringLiteral(":/pictures/logo.jpg"));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a jpeg") << QByteArray("GIF89a not a jpeg at all");
        QTest::newRow("header only") << logo.left(20);
        QByteArray scrambled = logo;
        for (qsizetype i = 2; i < 200 && i < scrambled.size(); ++i) {
            scrambled[i] = static_cast<char>(0xFF);
        }
        QTest::newRow("scrambled header") << scrambled;
    }

    void damagedDataGivesANullImage()
    {
        QFETCH(QByteArray, data);
        QVERIFY(decodeJpeg(data).isNull());
    }

    void truncatedDataNeverCrashes()
    {
        // libjpeg pads a truncated scan with grey; what matters is that it returns.
        const QByteArray logo = resource(QStringLiteral(":/pictures/logo.jpg"));
        const QImage half = decodeJpeg(QByteArrayView(logo).first(logo.size() / 2));
        QVERIFY(half.isNull() || half.size() == QSize(300, 185));
    }
};

VELMORA_TEST_MAIN(JpegTest)
#include "jpeg_test.moc"
