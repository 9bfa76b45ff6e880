#pragma once

#include <QCheckBox>

// A two-state toggle that a click anywhere on it turns over.
class PictureToggle : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};
