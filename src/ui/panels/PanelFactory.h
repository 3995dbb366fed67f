#pragma once

#include "core/app/Screen.h"

namespace rovik {

class PanelHost;
class Panel;

// Makes the panel widget of a record's kind, as a child of the host's panel area.
struct PanelFactory {
    static Panel* Create(PanelHost& host, const AnyPanelRecord& record, bool fromFile);
};

}  // namespace rovik
