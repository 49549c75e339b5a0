#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace pluvane {

// A captioned box of radio buttons, one per item, stacked top to bottom.
// itemIndex() is the selected item counted from 0; selecting reports nothing,
// as the make command reads the choice only when it runs.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, int selected, QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);

private:
    QButtonGroup* m_buttons;
};

} // namespace pluvane
