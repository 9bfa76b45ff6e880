#include "config/reservation_settings_window.h"

frmB설정::frmB설정() : PlaceholderForm(QStringLiteral("예약설정"), Kind::WorkWindow)
{
}
