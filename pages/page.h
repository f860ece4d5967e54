#pragma once

#include <QDialog>
#include <functional>
#include <string>

namespace velmora {

// Reads the IKU code as it stands now on the advanced configuration page.
using IkuSource = std::function<std::string()>;

// A modal page of the assistant. Pages are made once at start-up and only hidden when closed, so what the
// user typed and ticked survives until the program ends. A page's controls are made the first time it is
// shown: most runs open only a few pages, and the main window should not wait for the others.
class Page : public QDialog {
    Q_OBJECT

public:
    // `className` becomes the objectName; `caption` the window title.
    Page(const char* className, const QString& caption, QWidget* parent = nullptr);

    // Makes the page's controls, once; showing the page does it too.
    void ensureBuilt();

    // Runs the page's activation once, then shows the page modally; returns when it is closed.
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

private:
    bool built_ = false;
};

// The white page with navy text, in the 11-pixel font of the program.
void applyPageLook(QWidget* page, const QColor& text);

} // namespace velmora
