#include "booking/number_combo.h"

#include "core/converters.h"

#include <QComboBox>

void ShowNumber(QComboBox& combo, int value, const QString& unit)
{
    int place = 0;
    for (; place < combo.count(); ++place) {
        const int item = ToLong(combo.itemText(place));
        if (item == value) {
            combo.setCurrentIndex(place);
            return;
        }
        if (item > value)
            break;
    }
    combo.insertItem(place, ZeroPad(QString::number(value), 2) + unit);
    combo.setCurrentIndex(place);
}
