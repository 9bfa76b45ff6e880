#include "requests/table_requests_window.h"

frmz승인_고객요청::frmz승인_고객요청() : PlaceholderForm(QStringLiteral("고객요청"), Kind::WorkWindow)
{
}
