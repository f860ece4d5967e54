#include "checkboxrow.h"

#include "controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace velmora {

CheckBoxRow::CheckBoxRow(const Boxes& boxes, Choice choice, Look look, QWidget* parent)
    : QWidget(parent), choice_(choice)
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(look == Look::NumbersUnder ? 14 : 6);
    layout->setVerticalSpacing(look == Look::NumbersUnder ? 0 : 4);
    for (int i = 0; i < boxes.names.size(); ++i) {
        auto* box = new QCheckBox(this);
        box->setObjectName(boxes.names[i]);
        if (look == Look::CaptionsBeside) {
            box->setText(boxes.texts.value(i));
            layout->addWidget(box, i, 0);
        } else {
            numbers_ << boxes.texts.value(i);
            auto* label = new QLabel(numbers_.back(), this);
            label->setObjectName(boxes.labelNames.value(i));
            label->setAlignment(Qt::AlignHCenter);
            layout->addWidget(box, 0, i, Qt::AlignHCenter);
            layout->addWidget(label, 1, i, Qt::AlignHCenter);
        }
        connect(box, &QCheckBox::toggled, this, [this, i](bool ticked) { onToggled(i, ticked); });
        boxes_.push_back(box);
    }
}

Ticks CheckBoxRow::ticks() const
{
    Ticks ticks;
    ticks.reserve(boxes_.size());
    for (const QCheckBox* box : boxes_) {
        ticks.push_back(box->isChecked());
    }
    return ticks;
}

void CheckBoxRow::setAllTicked(bool ticked)
{
    for (QCheckBox* box : boxes_) {
        box->setChecked(ticked);
    }
}

void CheckBoxRow::nameBoxesAfter(const QString& group)
{
    for (int i = 0; i < numbers_.size(); ++i) {
        box(i)->setAccessibleName(nameWithin(group, numbers_[i]));
    }
}

QStringList CheckBoxRow::numbered(const QString& stem, int first, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i) {
        names << stem + QString::number(first + i);
    }
    return names;
}

CheckBoxRow* CheckBoxRow::numberedRow(const QString& slot, int firstBox, const QStringList& labelNames, Choice choice,
                                      QWidget* parent)
{
    const auto count = static_cast<int>(labelNames.size());
    return new CheckBoxRow(
        {numbered(QStringLiteral("CheckBox"), firstBox, count), numbered(slot, 1, count), labelNames}, choice,
        Look::NumbersUnder, parent);
}

void CheckBoxRow::onToggled(int index, bool ticked)
{
    emit boxToggled(index, ticked);
    if (choice_ == Choice::OneOfN && ticked) {
        for (int other = 0; other < count(); ++other) {
            if (other != index) {
                box(other)->setChecked(false);
            }
        }
    }
}

} // namespace velmora
