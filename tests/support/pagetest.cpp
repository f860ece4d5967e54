#include "pagetest.h"

#include "modal.h"

namespace velmora::test {

void typeText(QLineEdit* field, const QString& text)
{
    for (const QChar character : text) {
        field->insert(QString(character));
    }
}

void openPage(Page& page)
{
    ModalWatcher watcher;
    page.showModally();
}

void expectShown(const QWidget* page, std::initializer_list<Shown> table)
{
    for (const Shown& row : table) {
        const bool isPage = row.name == page->objectName();
        const QWidget* widget = isPage ? page : page->findChild<QWidget*>(row.name);
        QVERIFY2(widget != nullptr, qPrintable(row.name));
        const QString text = isPage ? page->windowTitle() : widget->property("text").toString();
        QVERIFY2(text == row.text, qPrintable(row.name + QStringLiteral(": ") + text));
        QVERIFY2(row.hint.isNull() || widget->toolTip() == row.hint, qPrintable(row.name + QStringLiteral(" hint")));
    }
}

} // namespace velmora::test
