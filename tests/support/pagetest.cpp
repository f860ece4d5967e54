#include "pagetest.h"

#include "mainpage.h"
#include "modal.h"

#include <QPushButton>

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

DisplayBand* bandWithCommand(const PageSet& pages, const char* pageName, const char* command)
{
    auto* page = pages.mainPage().findChild<Page*>(QLatin1String(pageName));
    if (page == nullptr) {
        return nullptr;
    }
    page->ensureBuilt();
    auto* band = page->findChild<DisplayBand*>();
    if (band != nullptr) {
        band->showCommand({command, "Tytuł", "Wyślij"});
    }
    return band;
}

QStringList openFromBand(DisplayBand* band, const char* button, const std::function<void(QWidget*)>& act)
{
    ModalWatcher watcher(act);
    band->findChild<QPushButton*>(QLatin1String(button))->click();
    return watcher.seen();
}

} // namespace velmora::test
