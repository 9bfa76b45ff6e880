#include "messaging/instant_sms_window.h"

frmz즉시문자::frmz즉시문자() : PlaceholderForm(QStringLiteral("문자전송"), Kind::PopUp)
{
}
