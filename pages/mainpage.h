#pragma once

#include <QWidget>
#include <functional>

namespace velmora {

// The start menu: greets the user and offers the first installation or the further configuration.
class TForm1 final : public QWidget {
    Q_OBJECT

public:
    struct Choices {
        std::function<void()> firstStart; // opens the first start-up steps page
        std::function<void()> advanced;   // opens the advanced configuration page
    };

    explicit TForm1(Choices choices, QWidget* parent = nullptr);

private:
    QWidget* makeChoicePanel(const char* name, const char* firstName, const QString& first, const char* secondName,
                             const QString& second, const char* buttonName, const std::function<void()>& choose);
    QWidget* makeHelpNote();
    QWidget* makeFooter();

    Choices choices_;
};

} // namespace velmora
