#include "platform/placeholder_form.h"

#include "platform/mdi_child.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr QSize kStandardSize(1022, 654);
constexpr QSize kPopUpSize(400, 240);

QWidget* parentFor(PlaceholderForm::Kind kind)
{
    return kind == PlaceholderForm::Kind::WorkWindow ? MdiClientArea() : nullptr;
}

Qt::WindowFlags flagsFor(PlaceholderForm::Kind kind)
{
    return kind == PlaceholderForm::Kind::WorkWindow ? Qt::Widget : Qt::Dialog;
}

} // namespace

PlaceholderForm::PlaceholderForm(const QString& title, Kind kind)
    : QWidget(parentFor(kind), flagsFor(kind)), m_title(title)
{
    setWindowTitle(title);
    setAutoFillBackground(true);
    auto* caption = new QLabel(title, this);
    caption->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    if (kind == Kind::PopUp) {
        resize(kPopUpSize);
        if (QWidget* main = FindForm(QStringLiteral("frmMainMDI")))
            move(main->geometry().center() - rect().center());
        return;
    }
    resize(parentWidget() ? parentWidget()->size() : kStandardSize);
}

void PlaceholderForm::Form_Activate()
{
    m_FirstActivated = false;
}
