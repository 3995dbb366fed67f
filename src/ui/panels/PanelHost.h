#pragma once

#include "core/panels/ColorRef.h"

class QWidget;

namespace rovik {

class MessageTable;
class Panel;
class ParameterTable;
class TireMonitor;
class ValueLookup;
struct Totals;

// What a panel needs of the window it sits on. The main window is the one host; keeping the
// panels to this much lets them be built and tested without the rest of the program.
class PanelHost {
public:
    // The window the panels are children of; the placement grid runs through its top-left
    // corner.
    virtual QWidget& PanelArea() = 0;
    // Where panels read live values; none before the link exists.
    virtual const ValueLookup* Values() = 0;
    virtual const ParameterTable& Parameters() = 0;
    // The vehicle's totals as last refreshed, for the trip odometer and the tank minder.
    virtual const Totals& CurrentTotals() const = 0;
    // The tire sensors as the link last heard them; none before the link exists.
    virtual const TireMonitor* Tires() = 0;
    // The text messages the message boxes show.
    virtual const MessageTable& Messages() = 0;
    // The text colour of every panel.
    virtual ColorRef PanelTextColor() const = 0;

    // The panel with the focus, which shows the resizing frame.
    virtual bool IsSelected(const Panel& panel) const = 0;
    virtual void SetSelectedPanel(Panel* panel) = 0;
    // Unselects the panel if it is the selected one.
    virtual void ClearSelectedPanel(Panel* panel) = 0;
    // The panel goes once the events already queued have been handled, so it may ask for
    // its own deletion from inside its own event handler.
    virtual void RequestPanelDeletion(Panel* panel) = 0;

protected:
    ~PanelHost() = default;
};

}  // namespace rovik
