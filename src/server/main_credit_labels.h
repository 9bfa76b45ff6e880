#pragma once

// The main window's three credit labels, which the windows that read the credit rewrite. The main
// window "frmMainMDI" implements this beside its widget classes; the others find it by name.
class MainCreditLabels
{
public:
    virtual ~MainCreditLabels() = default;

    // The credit divided by 15, 20 and 45 ("#,##0"), black when the last is at least 500, else red.
    virtual void WriteCreditLabels(int credit) = 0;
};

// Rewrites the labels of the loaded main window; does nothing when it is not loaded.
void WriteMainCreditLabels(int credit);
