#pragma once

#include "platform/placeholder_form.h"

// The instant SMS window. Opened by setting m_FirstActivated and a modal show.
class frmz즉시문자 : public PlaceholderForm
{
public:
    static QString FormName() { return QStringLiteral("frmz즉시문자"); }

    frmz즉시문자();
};
