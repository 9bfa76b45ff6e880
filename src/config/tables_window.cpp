#include "config/tables_window.h"

frmB좌석설정::frmB좌석설정() : PlaceholderForm(QStringLiteral("좌석설정"), Kind::WorkWindow)
{
}
