#include "displayband.h"

#include "errorbox.h"
#include "text.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace velmora {
namespace {

QLabel* makeBandLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setPixelSize(16);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    return label;
}

} // namespace

DisplayBand::DisplayBand(const Names& names, QWidget* parent)
    : QWidget(parent), title_(makeBandLabel(names.title, this)), prompt_(makeBandLabel(names.prompt, this)),
      result_(new QLineEdit(this))
{
    result_->setObjectName(QLatin1String(names.result));
    result_->setReadOnly(true);
    QFont font = result_->font();
    font.setPixelSize(16);
    result_->setFont(font);
    QPalette palette = result_->palette();
    palette.setColor(QPalette::Text, Qt::black);
    result_->setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title_);
    layout->addWidget(prompt_);
    layout->addWidget(result_);
}

void DisplayBand::clear()
{
    clearResult();
    clearTitle();
    clearPrompt();
}

void DisplayBand::clearTitle()
{
    title_->clear();
}

void DisplayBand::clearPrompt()
{
    prompt_->clear();
}

void DisplayBand::clearResult()
{
    result_->clear();
}

void DisplayBand::setResultEnabled(bool enabled)
{
    result_->setEnabled(enabled);
}

void DisplayBand::showCommand(const Command& command)
{
    result_->setText(toQString(command.message));
    prompt_->setText(toQString(command.prompt));
    title_->setText(toQString(command.title));
}

void DisplayBand::present(const Outcome& outcome, ErrorBox& errors)
{
    for (const std::string& refusal : outcome.refusals) {
        errors.report(toQString(refusal));
    }
    if (outcome.command) {
        showCommand(*outcome.command);
    }
}

void DisplayBand::presentFresh(const Outcome& outcome, ErrorBox& errors)
{
    setResultEnabled(true);
    clear();
    present(outcome, errors);
}

} // namespace velmora
