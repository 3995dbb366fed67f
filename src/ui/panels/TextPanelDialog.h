#pragma once

#include "core/panels/TextPanelRecord.h"
#include "ui/panels/PanelStyleDialog.h"

class QLineEdit;

namespace rovik {

// "Text Panel Settings": the text, where it sits and the panel's colour.
class TextPanelDialog : public PanelStyleDialog {
    Q_OBJECT
public:
    explicit TextPanelDialog(const TextPanelRecord& panel, QWidget* parent = nullptr);

    // The panel with the user's choices once OK was pressed; the panel as given otherwise.
    TextPanelRecord Result() const;

private:
    TextPanelRecord panel;
    QLineEdit* textField;
};

}  // namespace rovik
