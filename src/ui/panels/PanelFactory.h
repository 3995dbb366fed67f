#pragma once

#include "core/app/Screen.h"

namespace rovik {

class MainWindow;
class Panel;

// Makes the panel widget of a record's kind, as a child of the main window.
struct PanelFactory {
    static Panel* Create(MainWindow& main, const AnyPanelRecord& record, bool fromFile);
};

}  // namespace rovik
