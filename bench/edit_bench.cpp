// Costs of editing, each against a bare QLineEdit whose change handler only checks for digits:
//   key-bare | key-guarded  one keystroke (a digit, then a Backspace) in the balance check number field of the
//                           other parameters page, its guard and the display band included
//   press                   one press of that field's "Treść SMS" button
//   paste-bare | paste-guarded  a 32,000-character paste replacing the whole field
// Usage: velmora-edit-bench MODE COUNT. Prints nanoseconds per operation. Only measuredLoop() does the
// measured work, so `valgrind --tool=callgrind --collect-atstart=no --toggle-collect=*measuredLoop*` counts
// its instructions alone.
#include "mainpage.h"
#include "measuredloop.h"
#include "page.h"
#include "pageset.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string_view>

namespace {

// The measured operations never refuse; a box would only stall the loop.
void pressKey(QLineEdit* field, Qt::Key key, const QString& text)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(field, &event);
}

// One operation is one keystroke: a digit and a Backspace alternate, so the text keeps its length.
std::function<void(int)> keystrokes(QLineEdit* field)
{
    field->setText(QStringLiteral("48601123456"));
    return [field](int i) {
        if (i % 2 == 0) {
            pressKey(field, Qt::Key_5, QStringLiteral("5"));
        } else {
            pressKey(field, Qt::Key_Backspace, QString());
        }
    };
}

// One operation is one paste over the whole text; two texts alternate, so every paste changes it.
std::function<void(int)> pastes(QLineEdit* field)
{
    const QString first(32000, QLatin1Char('1'));
    const QString second(32000, QLatin1Char('2'));
    return [field, first, second](int i) {
        field->selectAll();
        field->insert(i % 2 == 0 ? first : second);
    };
}

QLineEdit* bareField(QWidget* owner)
{
    auto* field = new QLineEdit(owner);
    QObject::connect(field, &QLineEdit::textChanged, field, [](const QString& text) {
        static_cast<void>(std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }));
    });
    return field;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s key-bare|key-guarded|press|paste-bare|paste-guarded COUNT\n", argv[0]);
        return 2;
    }
    const std::string_view mode = argv[1];
    const int count = std::atoi(argv[2]);
    QApplication app(argc, argv);
    velmora::bench::SilentErrorBox errors;
    velmora::PageSet pages(errors);
    // Editing is measured on pages as the user has them: opened, so their controls are made.
    for (velmora::Page* page : pages.mainPage().findChildren<velmora::Page*>()) {
        page->ensureBuilt();
    }
    QWidget* parameters = pages.mainPage().findChild<QWidget*>(QStringLiteral("TForm6"));
    auto* guarded = parameters->findChild<QLineEdit*>(QStringLiteral("Edit4"));
    auto* compose = parameters->findChild<QPushButton*>(QStringLiteral("Button4"));
    QWidget bareOwner;

    std::function<void(int)> operation;
    if (mode == "key-bare") {
        operation = keystrokes(bareField(&bareOwner));
    } else if (mode == "key-guarded") {
        operation = keystrokes(guarded);
    } else if (mode == "press") {
        pages.mainPage()
            .findChild<QWidget*>(QStringLiteral("TForm12"))
            ->findChild<QLineEdit*>(QStringLiteral("Edit1"))
            ->setText(QStringLiteral("1234"));
        guarded->setText(QStringLiteral("*101#"));
        operation = [compose](int) { compose->click(); };
    } else if (mode == "paste-bare") {
        operation = pastes(bareField(&bareOwner));
    } else if (mode == "paste-guarded") {
        operation = pastes(guarded);
    } else {
        std::fprintf(stderr, "unknown mode %s\n", argv[1]);
        return 2;
    }

    const double nanoseconds = velmora::bench::nanosecondsPerOperation(operation, count);
    // A press that composed nothing would be measured cheap for the wrong reason.
    if (mode == "press" && parameters->findChild<QLineEdit*>(QStringLiteral("Edit7"))->text().isEmpty()) {
        std::fprintf(stderr, "the press composed no command\n");
        return 1;
    }
    std::printf("%.0f\n", nanoseconds);
    return 0;
}
