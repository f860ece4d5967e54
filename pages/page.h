#pragma once

#include "displayband.h"
#include "operations.h"

#include <QDialog>
#include <QPushButton>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

class QLayout;

namespace velmora {

class ErrorBox;

// Reads the IKU code as it stands now on the advanced configuration page.
using IkuSource = std::function<std::string()>;

// A modal page of the assistant. Pages are made once at start-up and only hidden when closed, so what the
// user typed and ticked survives until the program ends. A page's controls are made when the page is
// prepared: in an idle moment after start-up, or at its first showing if the user is quicker.
class Page : public QDialog {
    Q_OBJECT

public:
    // `className` becomes the objectName; `caption` the window title; `size`, where given, the size the page
    // opens at when the screen has room for it.
    Page(const char* className, const QString& caption, QWidget* parent = nullptr, QSize size = {});

    // Makes the page's controls, once; preparing or showing the page does it too.
    void ensureBuilt();

    // Does the next part, ahead, of what a first showing would, so that opening the page costs no more than
    // reopening it: first the controls, polished and sized for the screen, and the window; then the page painted
    // into the window's pixel buffer. Returns whether the page is wholly prepared; a page shown already is.
    bool prepareStep();

    // Every part of prepareStep() at once.
    void prepare();

    // Runs the page's activation once, then shows the page modally with the focus on its first input;
    // returns when it is closed.
    void showModally();

    void setVisible(bool visible) override;

signals:
    // The controls have just been made.
    void built();

protected:
    // Makes the controls and wires their handlers; runs once, before the page is first shown.
    virtual void buildControls() = 0;

    // What the page resets each time it is opened. Closing an error box does not run it again.
    virtual void FormActivate() {}

    // Lays the page out: its inputs in `body`, which scrolls when the screen is too small for the page, and
    // under them, always in view, the `footer` widgets (the display band, the back button).
    void layOut(QLayout* body, std::initializer_list<QWidget*> footer);

private:
    void makeReady();
    void paintAhead();
    void focusFirstInput();

    enum class Preparation { None, Made, Done };

    QSize size_;
    bool built_ = false;
    Preparation preparation_ = Preparation::None;
    QList<QWidget*> controls_; // in tab order
};

// A page that composes commands. Each of its operations reads the IKU code at the moment it composes and shows
// its outcome in the page's display band, its refusals in the error box.
class ComposingPage : public Page {
    Q_OBJECT

public:
    // `band` names the display band's title, prompt and result field.
    ComposingPage(const char* className, const QString& caption, const DisplayBand::Names& band, IkuSource iku,
                  ErrorBox& errors, QWidget* parent = nullptr, QSize size = {});

protected:
    // The page's display band, made with the page's controls at its first use; the page's operations show their
    // outcomes there.
    DisplayBand* band();

    // Makes an operation's button, wired to its press.
    QPushButton* operation(Operation operation);

    // What an operation's press composes: the page's click handler for the button, called with `arguments` where
    // one handler serves several buttons (a row's setting, a user's row).
    template <class P, class Click, class... Arguments>
    std::function<Outcome()> handler(Click P::*click, Arguments... arguments)
    {
        return std::bind_front(click, static_cast<P*>(this), arguments...);
    }

    std::string iku() const { return iku_(); }
    ErrorBox& errors() const { return errors_; }

private:
    DisplayBand::Names bandNames_;
    IkuSource iku_;
    ErrorBox& errors_;
    DisplayBand* band_ = nullptr;
    std::optional<Operations> operations_;
};

} // namespace velmora
