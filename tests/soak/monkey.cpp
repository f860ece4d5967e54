#include "monkey.h"

#include "displayband.h"
#include "fieldguard.h"
#include "page.h"
#include "recordingerrorbox.h"
#include "text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <array>

namespace velmora::soak {
namespace {

// Awkward characters a paste can bring: the ones around code 125, "#", controls, marks that change
// direction or join, the replacement character, a byte-order mark, lone halves of surrogate pairs, emoji.
const std::array<QString, 24> kHostilePieces = {
    QStringLiteral("#"),      QStringLiteral("}"),      QStringLiteral("~"),        QStringLiteral("{"),
    QStringLiteral("\x7f"),   QStringLiteral("\t"),     QStringLiteral("\n"),       QStringLiteral("\u200f"),
    QStringLiteral("\u0301"), QStringLiteral("\ufffd"), QStringLiteral("\ufeff"),   QStringLiteral("€"),
    QStringLiteral("ß"),      QStringLiteral("😀"),      QStringLiteral("👍🏽"), QString(QChar(0xD800)),
    QString(QChar(0xDC00)),   QString(QChar(0)),        QStringLiteral("ô"),        QStringLiteral("\u00a0"),
    QStringLiteral("*101"),   QStringLiteral("48"),     QStringLiteral(" "),        QStringLiteral("Ą"),
};

const QString kPolish = QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
const QString kAscii = QStringLiteral("abcXYZ 0123456789 .,-_+*/()@!?:;'\"");

constexpr int kShortText = 40;
constexpr int kLongText = 5000;

// A text for a report: the start, with characters that do not print shown by their code.
QString shown(const QString& text)
{
    QString out;
    for (const QChar c : text.left(80)) {
        out +=
            c.isPrint() && !c.isSurrogate() ? QString(c) : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
    }
    return text.size() > 80 ? QStringLiteral("%1... (%2 characters)").arg(out).arg(text.size()) : out;
}

// What a key press carries: one character, a surrogate pair kept whole.
QStringList keyPresses(const QString& text)
{
    QStringList presses;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        presses << text.mid(i, pair ? 2 : 1);
        i += pair ? 1 : 0;
    }
    return presses;
}

QString windowOf(const QWidget* widget)
{
    const QWidget* window = widget->window();
    return window != nullptr ? window->objectName() : QString();
}

QString nameOf(const QObject* object)
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    return QStringLiteral("%1.%2").arg(widget != nullptr ? windowOf(widget) : QString(), object->objectName());
}

template <typename T> QList<T*> usable(QWidget* top)
{
    QList<T*> widgets;
    for (T* widget : top->findChildren<T*>()) {
        if (widget->isVisible() && widget->isEnabled()) {
            widgets << widget;
        }
    }
    return widgets;
}

} // namespace

Monkey::Monkey(QWidget* mainPage, test::RecordingErrorBox& errors, quint64 seed)
    : mainPage_(mainPage), errors_(errors), random_(seed)
{
    // The checks after every action cover every field and band, so every page's controls are made first.
    for (Page* page : mainPage_->findChildren<Page*>()) {
        page->ensureBuilt();
    }
    mapFields(fieldRules());
    const QList<DisplayBand*> bands = mainPage_->findChildren<DisplayBand*>();
    bands_.assign(bands.begin(), bands.end());
}

void Monkey::mapFields(const std::vector<FieldRule>& rules)
{
    QList<QLineEdit*> guarded;
    for (QLineEdit* field : mainPage_->findChildren<QLineEdit*>()) {
        if (field->findChild<FieldGuard*>(QString(), Qt::FindDirectChildrenOnly) != nullptr) {
            guarded << field;
        }
    }
    for (const FieldRule& rule : rules) {
        auto* page = mainPage_->findChild<Page*>(rule.page);
        const QList<QLineEdit*> matches =
            page != nullptr ? page->findChildren<QLineEdit*>(rule.field) : QList<QLineEdit*>{};
        const QString name = rule.page + QLatin1Char('.') + rule.field;
        if (matches.size() != 1 || !guarded.removeOne(matches.front())) {
            unmapped_ << name + QStringLiteral(" is missing or has no field guard");
            continue;
        }
        fields_.push_back({matches.front(), name, rule.rule});
    }
    for (const QLineEdit* field : guarded) {
        unmapped_ << nameOf(field) + QStringLiteral(" is guarded by a rule the soak does not know");
    }
}

void Monkey::run(int actions)
{
    actions_ = actions;
    QEventLoop loop;
    connect(this, &Monkey::finished, &loop, &QEventLoop::quit);
    QMetaObject::invokeMethod(this, &Monkey::step, Qt::QueuedConnection);
    loop.exec();
}

// Pages are modal: an action that opens one returns only when it is closed. So each step queues the next
// before it acts, and the stream goes on inside the page's own event loop.
void Monkey::step()
{
    QWidget* top = QApplication::activeModalWidget();
    if (done_ >= actions_ || !fault_.isEmpty()) {
        if (top == nullptr) {
            emit finished();
            return;
        }
        QMetaObject::invokeMethod(this, &Monkey::step, Qt::QueuedConnection);
        top->close();
        return;
    }
    ++done_;
    QMetaObject::invokeMethod(this, &Monkey::step, Qt::QueuedConnection);
    act(top);
    verify();
}

void Monkey::act(QWidget* top)
{
    if (top == nullptr) {
        openFromMainPage();
        return;
    }
    visited_ << top->objectName();
    const QList<QLineEdit*> fields = usable<QLineEdit>(top);
    const int choice = static_cast<int>(random_.bounded(100));
    if (fields.isEmpty() || choice >= 58) {
        click(top);
    } else if (choice < 20) {
        type(pick(fields));
    } else if (choice < 40) {
        paste(pick(fields));
    } else if (choice < 45) {
        commitInput(pick(fields));
    } else if (choice < 56) {
        edit(pick(fields));
    } else {
        lastAction_ = QStringLiteral("Escape on %1").arg(top->objectName());
        sendKey(top, Qt::Key_Escape);
    }
}

void Monkey::openFromMainPage()
{
    const char* const choice = random_.bounded(2) == 0 ? "Button3" : "Button2";
    auto* button = mainPage_->findChild<QAbstractButton*>(QLatin1String(choice));
    lastAction_ = QStringLiteral("click TForm1.%1").arg(QLatin1String(choice));
    button->click();
}

void Monkey::sendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(target, &press);
}

void Monkey::type(QLineEdit* field)
{
    const QString text = someText(true);
    lastAction_ = QStringLiteral("type \"%1\" into %2").arg(shown(text), nameOf(field));
    for (const QString& press : keyPresses(text)) {
        QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, press);
        QCoreApplication::sendEvent(field, &event);
    }
}

void Monkey::paste(QLineEdit* field)
{
    const QString text = someText(false);
    const bool replace = random_.bounded(2) == 0;
    lastAction_ = QStringLiteral("paste \"%1\" into %2%3")
                      .arg(shown(text), nameOf(field), replace ? QStringLiteral(", all selected") : QString());
    QGuiApplication::clipboard()->setText(text);
    if (replace) {
        sendKey(field, Qt::Key_A, Qt::ControlModifier);
    }
    sendKey(field, Qt::Key_V, Qt::ControlModifier);
}

// What an input method hands over: a text that may replace characters around the cursor. Input methods
// serve only the fields that take them, which read-only fields do not.
void Monkey::commitInput(QLineEdit* field)
{
    if (!field->testAttribute(Qt::WA_InputMethodEnabled)) {
        type(field);
        return;
    }
    const QString text = someText(true);
    const int from = -static_cast<int>(random_.bounded(4));
    const int length = static_cast<int>(random_.bounded(4));
    lastAction_ = QStringLiteral("input method commits \"%1\" over %2 at %3 into %4")
                      .arg(shown(text))
                      .arg(length)
                      .arg(from)
                      .arg(nameOf(field));
    QInputMethodEvent event;
    event.setCommitString(text, from, length);
    QCoreApplication::sendEvent(field, &event);
}

void Monkey::edit(QLineEdit* field)
{
    struct Key {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    };
    static constexpr std::array<Key, 12> kKeys = {{
        {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
        {Qt::Key_Delete, Qt::NoModifier, "Delete"},
        {Qt::Key_Home, Qt::NoModifier, "Home"},
        {Qt::Key_End, Qt::NoModifier, "End"},
        {Qt::Key_Left, Qt::NoModifier, "Left"},
        {Qt::Key_Left, Qt::ShiftModifier, "Shift+Left"},
        {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
        {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
        {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
        {Qt::Key_Backspace, Qt::ControlModifier, "Ctrl+Backspace"},
        {Qt::Key_Enter, Qt::NoModifier, "Enter"},
    }};
    const Key& key = kKeys[random_.bounded(static_cast<quint32>(kKeys.size()))];
    lastAction_ = QStringLiteral("%1 in %2").arg(QLatin1String(key.name), nameOf(field));
    sendKey(field, key.key, key.modifiers);
}

void Monkey::click(QWidget* top)
{
    const QList<QAbstractButton*> buttons = usable<QAbstractButton>(top);
    if (buttons.isEmpty()) {
        lastAction_ = QStringLiteral("close %1").arg(top->objectName());
        top->close();
        return;
    }
    QAbstractButton* button = pick(buttons);
    lastAction_ = QStringLiteral("click %1").arg(nameOf(button));
    button->click();
}

void Monkey::verify()
{
    for (const WatchedField& watched : fields_) {
        if (watched.field.isNull()) {
            broke(watched.name + QStringLiteral(" is gone"));
            continue;
        }
        const QString text = watched.field->text();
        const std::string utf8 = toUtf8(text);
        if (toQString(utf8) != text) {
            broke(QStringLiteral("%1 holds \"%2\", which is not whole Unicode").arg(watched.name, shown(text)));
        } else if (const Verdict refusal = watched.rule(utf8)) {
            broke(QStringLiteral("%1 holds \"%2\", which its rule refuses: %3")
                      .arg(watched.name, shown(text), toQString(refusal->message)));
        }
    }
    for (const DisplayBand* band : bands_) {
        const QString command = band->result()->text();
        if (!isEmptyOrCompleteCommand(command)) {
            broke(QStringLiteral("%1 shows \"%2\", which is no whole command")
                      .arg(nameOf(band->result()), shown(command)));
        }
    }
    for (const test::RecordingErrorBox::Report& report : errors_.reports()) {
        if (report.message.isEmpty()) {
            broke(QStringLiteral("an error box without a message"));
        }
    }
    errors_.clear();
}

void Monkey::broke(const QString& what)
{
    if (fault_.isEmpty()) {
        fault_ = QStringLiteral("action %1 (%2): %3").arg(done_).arg(lastAction_, what);
    }
}

QString Monkey::someText(bool shortText)
{
    // Pastes are now and then very long; key presses are kept short.
    const int longest = shortText || random_.bounded(4) != 0 ? kShortText : kLongText;
    QString text;
    switch (random_.bounded(7)) {
    case 0:
        return digits(static_cast<int>(random_.bounded(7)));
    case 1:
        return QStringLiteral("48") + digits(9);
    case 2:
        return digits(4);
    case 3:
        for (int n = static_cast<int>(random_.bounded(longest)); n > 0; --n) {
            text += kAscii[random_.bounded(static_cast<int>(kAscii.size()))];
        }
        return text;
    case 4:
        for (int n = static_cast<int>(random_.bounded(longest)); n > 0; --n) {
            text += random_.bounded(2) == 0 ? kPolish[random_.bounded(static_cast<int>(kPolish.size()))]
                                            : kAscii[random_.bounded(static_cast<int>(kAscii.size()))];
        }
        return text;
    case 5:
        for (int n = static_cast<int>(random_.bounded(longest)); n > 0; --n) {
            text += kHostilePieces[random_.bounded(static_cast<quint32>(kHostilePieces.size()))];
        }
        return text;
    default:
        return digits(static_cast<int>(random_.bounded(longest)) + 1);
    }
}

QString Monkey::digits(int count)
{
    QString text;
    for (int i = 0; i < count; ++i) {
        text += QChar(u'0' + random_.bounded(10));
    }
    return text;
}

template <typename T> T* Monkey::pick(const QList<T*>& widgets)
{
    return widgets[random_.bounded(static_cast<int>(widgets.size()))];
}

} // namespace velmora::soak
