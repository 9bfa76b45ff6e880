#include "platform/combo_display.h"

void ComboDisplayNo2(QWidget&, QComboBox& combo, int n)
{
    combo.setMaxVisibleItems(qMax(1, n));
}
