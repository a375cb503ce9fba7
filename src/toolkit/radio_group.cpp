#include "toolkit/radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), Buttons(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    const int perColumn = columns > 0 ? (items.size() + columns - 1) / columns : items.size();
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        Buttons->addButton(button, i);
        layout->addWidget(button, i % perColumn, i / perColumn);
    }
    connect(Buttons, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

int RadioGroup::itemIndex() const {
    return Buttons->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* button = Buttons->button(index)) {
        button->setChecked(true);
        return;
    }
    // No such item: clear the selection, which an exclusive group refuses to do directly.
    Buttons->setExclusive(false);
    for (QAbstractButton* button : Buttons->buttons())
        button->setChecked(false);
    Buttons->setExclusive(true);
}

int RadioGroup::itemCount() const {
    return static_cast<int>(Buttons->buttons().size());
}

QRadioButton* RadioGroup::item(int index) const {
    return qobject_cast<QRadioButton*>(Buttons->button(index));
}
