#pragma once

#include <QComboBox>

// Makes the combo box's drop-down list show n items at a time; the box keeps its place and size.
void ComboDisplayNo2(QWidget& window, QComboBox& combo, int n);
