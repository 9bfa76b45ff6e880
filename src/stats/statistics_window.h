#pragma once

#include "platform/placeholder_form.h"

// The customer statistics window. Opened by setting m_FirstActivated and m_Kind (the kind of
// statistics, "예약" from the navigation), a modeless show and a move to the front.
class frmz통계B : public PlaceholderForm
{
public:
    static QString FormName() { return QStringLiteral("frmz통계B"); }

    frmz통계B();

    QString m_Kind;
};
