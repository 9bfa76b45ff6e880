#pragma once

#include "platform/placeholder_form.h"

// The table-request window. Opened by setting m_FirstActivated, a modeless show and a move to the front.
class frmz승인_고객요청 : public PlaceholderForm
{
public:
    static QString FormName() { return QStringLiteral("frmz승인_고객요청"); }

    frmz승인_고객요청();
};
