#pragma once

#include "platform/placeholder_form.h"

// The reservation board. Opened by setting m_FirstActivated, a modeless show and a move to the front.
class frmB예약관리 : public PlaceholderForm
{
public:
    static QString FormName() { return QStringLiteral("frmB예약관리"); }

    frmB예약관리();
};
