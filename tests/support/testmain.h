#pragma once

#include <QApplication>
#include <QLocale>
#include <QTest>

namespace velmora::test {

// Headless and fixed: the offscreen platform unless the caller chose another, and the C locale.
inline void prepareHeadless()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QLocale::setDefault(QLocale::c());
}

} // namespace velmora::test

#define VELMORA_TEST_MAIN(TestObject)                                                                                  \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        velmora::test::prepareHeadless();                                                                              \
        QApplication app(argc, argv);                                                                                  \
        TestObject test;                                                                                               \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
