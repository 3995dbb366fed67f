#pragma once

#include "core/panels/TankMinderRecord.h"
#include "core/trip/FuelTank.h"
#include "ui/panels/ReadoutPanel.h"

namespace rovik {

class TankMinderDialog;

// A tank minder: the fuel left in the tank by the count since the last fill, the distance it
// allows and the economy it counts with. A double-click says the tank was just filled.
class TankMinderPanel : public ReadoutPanel {
    Q_OBJECT
public:
    // The parameter of the vehicle's recent economy.
    static constexpr unsigned kRecentMpgPid = 502;

    // A new tank minder starts full, in a new tank file; one from a screen file goes on with
    // the fill its file holds.
    TankMinderPanel(PanelHost& host, const TankMinderRecord& record, bool fromFile);

    void WriteRecord(Screen& screen) const override;
    void ShowProperties() override;
    std::vector<ReadoutText::Field> Fields() const override;
    const FuelTank& Tank() const { return tank; }
    double TankSize() const { return record.tankSize; }

protected:
    const ReadoutRecord& Look() const override { return record; }
    void Tick() override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The recent economy's parameter value; 0 when the table has no such parameter.
    double RecentMpg() const;
    void Apply(const TankMinderDialog& dialog);

    TankMinderRecord record;
    FuelTank tank;
    TankReading shown;
};

}  // namespace rovik
