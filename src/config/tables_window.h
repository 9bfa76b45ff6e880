#pragma once

#include "platform/placeholder_form.h"

// The tables window. Opened by setting m_FirstActivated, a modeless show and a move to the front.
class frmB좌석설정 : public PlaceholderForm
{
public:
    static QString FormName() { return QStringLiteral("frmB좌석설정"); }

    frmB좌석설정();
};
