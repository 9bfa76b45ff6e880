#include "server/main_credit_labels.h"

#include "platform/window_registry.h"

void WriteMainCreditLabels(int credit)
{
    if (auto* labels = dynamic_cast<MainCreditLabels*>(FindForm(QStringLiteral("frmMainMDI"))))
        labels->WriteCreditLabels(credit);
}
