#pragma once

#include <QTableWidget>

#include "core/tires/TireLayout.h"

namespace rovik {

// The wheel positions as an editable grid: the top row names the wheels and the left column
// the axles; each other cell holds the number of the sensor there, or nothing. The arrow
// keys move between cells and typing edits one; Tab leaves the grid.
class TireLayoutGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TireLayoutGrid(QWidget* parent = nullptr);

    void Show(const TireLayout& layout);
    // A cell that does not hold a sensor number from 0 to 15 is an empty position.
    TireLayout Layout() const;

private:
    // The names stand in cells of their own, which cannot be chosen or edited.
    void AddName(int row, int column, const QString& name);
};

}  // namespace rovik
