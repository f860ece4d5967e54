#include "mainpage.h"

#include "controls.h"
#include "frames.h"
#include "jpeg.h"
#include "keyboard.h"
#include "page.h"
#include "picturebox.h"
#include "screenfit.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {
namespace {

QImage loadPicture(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return decodeJpeg(file.readAll());
}

QLabel* makeGreeting(QWidget* parent, const char* name, const QString& text)
{
    QLabel* label = makeLabel(parent, name, text);
    setPixelSize(label, 16);
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

} // namespace

TForm1::TForm1(Choices choices, QWidget* parent) : QWidget(parent), choices_(std::move(choices))
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Velmora SMS  Tarvik SMS"));
    applyPageLook(this, QColor(0, 0, 128));

    auto* layout = new QVBoxLayout;
    // Narrow side margins keep the help note's one line within the page's 608 pixels.
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(
        new PictureBox("Image1", loadPicture(QStringLiteral(":/pictures/logo.jpg")), QSize(297, 185), this), 0,
        Qt::AlignHCenter);
    layout->addWidget(makeGreeting(this, "Label8", QStringLiteral("Drogi użytkowniku!")));
    layout->addWidget(makeGreeting(this, "Label10", QStringLiteral("Wybierz opcję z dostępnych poniżej")));

    auto* panels = new QHBoxLayout;
    panels->addWidget(makeChoicePanel(
        "Panel1", "Label11", QStringLiteral("1. Chcę kontynuować pierwszą  instalację systemu"), "Label12",
        QStringLiteral("Zapoznałem się z instrukcją obsługi"), "Button3", choices_.firstStart));
    panels->addWidget(makeChoicePanel("Panel2", "Label13", QStringLiteral("2. Chcę zapoznać się z dodatkowymi "),
                                      "Label14", QStringLiteral("możliwościami konfiguracji systemu"), "Button2",
                                      choices_.advanced));
    layout->addLayout(panels);
    layout->addStretch();
    layout->addWidget(makeHelpNote());
    layout->addWidget(makeLine(this, "Bevel2"));
    layout->addWidget(makeFooter());
    layOutScrolling(this, layout);
    setUpKeyboard(this);
    fitToScreen(this, {608, 608});
}

QWidget* TForm1::makeChoicePanel(const char* name, const char* firstName, const QString& first, const char* secondName,
                                 const QString& second, const char* buttonName, const std::function<void()>& choose)
{
    auto [panel, layout] = makeFramed<QVBoxLayout>(this, name);
    layout->addWidget(makeLabel(panel, firstName, first));
    layout->addWidget(makeLabel(panel, secondName, second));
    QPushButton* next = makeButton(panel, buttonName, QStringLiteral("DALEJ"));
    nameOperation(next, first);
    layout->addWidget(next, 0, Qt::AlignHCenter);
    connect(next, &QPushButton::clicked, this, [choose] { choose(); });
    return panel;
}

QWidget* TForm1::makeHelpNote()
{
    auto* note = new QWidget(this);
    auto* layout = new QVBoxLayout(note);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeLabel(note, "Label2",
                                QStringLiteral("Przy pracy z programem zaleca się korzystanie z instrukcji obsługi. "
                                               "Po przytrzymaniu myszy ")));
    auto* line = new QHBoxLayout;
    line->setSpacing(3);
    line->addWidget(makeLabel(note, "Label6", QStringLiteral("nad przyciskami :")));
    // Only a sample of what the other pages' buttons look like: it stays disabled.
    QPushButton* sample = makeButton(note, "Button1", QStringLiteral("Treść SMS "));
    sample->setEnabled(false);
    line->addWidget(sample);
    line->addWidget(makeLabel(
        note, "Label7", QStringLiteral("wskazany jest odnośnik od instrukcji obsługi z opisem danego zagadnienia")));
    line->addStretch();
    layout->addLayout(line);
    return note;
}

QWidget* TForm1::makeFooter()
{
    auto* footer = new QWidget(this);
    auto* layout = new QHBoxLayout(footer);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(makeLabel(footer, "Label5", QStringLiteral("Wyjście")));
    auto* exit = new PictureButton("Image2", loadPicture(QStringLiteral(":/pictures/exit.jpg")), QSize(65, 57),
                                   QStringLiteral("Wyjście"), footer);
    connect(exit, &PictureButton::clicked, this, &QWidget::close);
    layout->addWidget(exit);
    return footer;
}

} // namespace velmora
