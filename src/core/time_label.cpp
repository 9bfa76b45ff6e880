#include "core/time_label.h"

QString TimeLabel(int hour, const QString& minuteItem)
{
    QString label;
    if (hour >= 0 && hour <= 11)
        label = QStringLiteral("오전 ") + QString::number(hour) + QStringLiteral("시");
    else if (hour >= 12 && hour <= 23)
        label = QStringLiteral("오후 ") + QString::number(hour - 12) + QStringLiteral("시");
    return label + " " + minuteItem;
}
