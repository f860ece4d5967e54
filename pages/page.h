#pragma once

#include <QDialog>
#include <functional>
#include <string>

namespace velmora {

// Reads the IKU code as it stands now on the advanced configuration page.
using IkuSource = std::function<std::string()>;

// A modal page of the assistant. Pages are made once at start-up and only hidden when closed, so what the
// user typed and ticked survives until the program ends.
class Page : public QDialog {
    Q_OBJECT

public:
    // `className` becomes the objectName; `caption` the window title.
    Page(const char* className, const QString& caption, QWidget* parent = nullptr);

    // Runs the page's activation once, then shows the page modally; returns when it is closed.
    void showModally();

protected:
    // What the page resets each time it is opened. Closing an error box does not run it again.
    virtual void FormActivate() {}
};

// The white page with navy text, in the 11-pixel font of the program.
void applyPageLook(QWidget* page, const QColor& text);

} // namespace velmora
