#include "ui/panels/ColorChooser.h"

#include <QColorDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>

#include "ui/panels/QtColor.h"

namespace rovik {

ColorChooser::ColorChooser(ColorRef initial, const QString& buttonText, QWidget* parent)
    : QWidget(parent), color(initial), swatch(new QFrame(this)) {
    swatch->setObjectName("colorSwatch");
    swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    swatch->setAutoFillBackground(true);
    swatch->setMinimumSize(48, 24);
    auto* change = new QPushButton(buttonText, this);
    change->setAutoDefault(false);
    connect(change, &QPushButton::clicked, this, &ColorChooser::Choose);
    setFocusProxy(change);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(swatch, 1);
    layout->addWidget(change);
    Show();
}

void ColorChooser::Choose() {
    QColorDialog dialog(ToQColor(color), this);
    if (dialog.exec() == QDialog::Accepted) {
        color = ToColorRef(dialog.selectedColor());
        Show();
    }
}

void ColorChooser::Show() {
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    swatch->setPalette(palette);
}

}  // namespace rovik
