#include "stats/statistics_window.h"

frmz통계B::frmz통계B() : PlaceholderForm(QStringLiteral("예약통계"), Kind::WorkWindow)
{
}
