#pragma once

#include <QWidget>

#include "core/panels/ColorRef.h"

class QFrame;

namespace rovik {

// A swatch of the chosen colour and a button that opens the colour dialog on it.
class ColorChooser : public QWidget {
    Q_OBJECT
public:
    ColorChooser(ColorRef color, const QString& buttonText, QWidget* parent = nullptr);

    ColorRef Color() const { return color; }

private:
    void Choose();
    void Show();

    ColorRef color;
    QFrame* swatch;
};

}  // namespace rovik
