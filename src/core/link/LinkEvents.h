#pragma once

namespace rovik {

// What the framing tells the link about the stream, so the link can keep its status: a
// message passed its check, a message came from the vehicle, or the box reported on itself.
class LinkEvents {
public:
    virtual ~LinkEvents() = default;
    virtual void NoteTraffic() = 0;
    virtual void NoteVehicleMessage() = 0;
    // A statistics report finds the vehicle silent when no vehicle message came since the
    // report before, or when the report itself says the vehicle side failed.
    virtual void NoteBoxReport(bool vehicleSideFailed) = 0;
};

}  // namespace rovik
