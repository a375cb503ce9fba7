#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A captioned group of radio buttons laid out in columns, read and set by item index.
// Index -1 means no item is selected.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns,
               QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    int itemCount() const;
    QRadioButton* item(int index) const;

signals:
    // The player picked an item.
    void clicked(int index);

private:
    QButtonGroup* Buttons;
};
