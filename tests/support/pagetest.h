#pragma once

#include "displayband.h"
#include "page.h"
#include "pageset.h"
#include "recordingerrorbox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <initializer_list>
#include <string>
#include <type_traits>

namespace velmora::test {

// Inserts `text` at the cursor one character at a time, as typing does; QTest::keyClicks cannot type
// characters outside Latin-1, such as "ą".
void typeText(QLineEdit* field, const QString& text);

// The child of `parent` named `name`. A missing control ends the run: every later step would only crash on it.
template <typename T> T* child(const QObject* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (found == nullptr) {
        qFatal("%s has no %s named %s", qPrintable(parent->objectName()), T::staticMetaObject.className(),
               qPrintable(name));
    }
    return found;
}

// The page with its controls made, as its first showing makes them.
template <typename P> P& built(P& page)
{
    page.ensureBuilt();
    return page;
}

// Opens the page as the page before it does, running its activation; it is closed again at once.
void openPage(Page& page);

// A control's text, or the page's window title when `name` is the page's own; and its tool tip when given.
struct Shown {
    QString name;
    QString text;
    QString hint = {};
};

// Checks a page's table of texts and hints letter for letter.
void expectShown(const QWidget* page, std::initializer_list<Shown> table);

// The display band of a page of `pages`, its controls made, showing `command`; null when there is none.
DisplayBand* bandWithCommand(const PageSet& pages, const char* pageName, const char* command);

// Clicks the band's button and hands the modal window it opens to `act`, which may act on it before it is closed;
// returns the names of the windows seen.
QStringList openFromBand(DisplayBand* band, const char* button, const std::function<void(QWidget*)>& act);

inline const QStringList kEmptyBand{QString(), QString(), QString()};

// The numbers first to last, for the check boxes "CheckBox<first>" onwards.
inline QList<int> boxNumbers(int first, int last)
{
    QList<int> numbers;
    for (int number = first; number <= last; ++number) {
        numbers << number;
    }
    return numbers;
}

// A composing page with a recorded error box, an IKU code that can change between presses (for pages that
// read it from the advanced configuration page), and its display band read as {title, prompt, result}.
// `bandAtBox` holds the band as it was when the last box was shown.
template <typename P> struct PageFixture {
    RecordingErrorBox errors;
    std::string iku = "0123";
    P page{makePage()};
    DisplayBand* band = child<DisplayBand>(&built(page), QString());
    QLineEdit* result = band->result();
    QStringList bandAtBox;

    PageFixture()
    {
        errors.whileShown([this] { bandAtBox = shown(); });
    }

    template <typename T = QWidget> T* get(const QString& name) const { return child<T>(&page, name); }
    QLineEdit* edit(const QString& name) const { return get<QLineEdit>(name); }
    QCheckBox* box(int number) const { return get<QCheckBox>(QStringLiteral("CheckBox%1").arg(number)); }
    void press(const QString& button) const { get<QAbstractButton>(button)->click(); }
    void click(std::initializer_list<int> boxes) const
    {
        for (const int number : boxes) {
            box(number)->click();
        }
    }
    void open() { openPage(page); }
    // Composes with `button` before every tick and every untick of each box; returns the first box whose click
    // left anything in the band, or 0 when every click emptied it.
    int firstBoxThatKeepsTheBand(const QString& button, const QList<int>& numbers) const
    {
        for (const int number : numbers) {
            for (int click = 0; click < 2; ++click) {
                press(button);
                this->click({number});
                if (shown() != kEmptyBand) {
                    return number;
                }
            }
        }
        return 0;
    }
    QStringList shown() const { return {band->title()->text(), band->prompt()->text(), result->text()}; }

private:
    P makePage()
    {
        if constexpr (std::is_constructible_v<P, IkuSource, ErrorBox&>) {
            return P([this] { return iku; }, errors);
        } else {
            return P(errors);
        }
    }
};

} // namespace velmora::test
