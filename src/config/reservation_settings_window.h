#pragma once

#include "platform/placeholder_form.h"

// The reservation settings window. Opened by setting m_FirstActivated, a modeless show and a move to
// the front.
class frmB설정 : public PlaceholderForm
{
public:
    static QString FormName() { return QStringLiteral("frmB설정"); }

    frmB설정();
};
