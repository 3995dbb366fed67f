#include "ui/tires/TireLayoutGrid.h"

#include <QHeaderView>

namespace rovik {

namespace {
constexpr int kAxles = static_cast<int>(TireLayout::kAxles);
constexpr int kWheels = static_cast<int>(TireLayout::kWheels);
}  // namespace

TireLayoutGrid::TireLayoutGrid(QWidget* parent) : QTableWidget(kAxles + 1, kWheels + 1, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    const char* wheels[] = {"LF OS", "LF IS", "RT IS", "RT OS"};
    for (int wheel = 0; wheel < kWheels; ++wheel) {
        AddName(0, wheel + 1, wheels[wheel]);
    }
    for (int axle = 1; axle <= kAxles; ++axle) {
        AddName(axle, 0, QString("AXLE %1").arg(axle));
    }
    AddName(0, 0, QString());
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMinimumHeight((kAxles + 1) * verticalHeader()->defaultSectionSize() + 2 * frameWidth());
    Show(TireLayout());
    setCurrentCell(1, 1);
}

void TireLayoutGrid::AddName(int row, int column, const QString& name) {
    auto* cell = new QTableWidgetItem(name);
    cell->setFlags(Qt::NoItemFlags);
    cell->setBackground(palette().button());
    cell->setForeground(palette().buttonText());
    cell->setTextAlignment(Qt::AlignCenter);
    setItem(row, column, cell);
}

void TireLayoutGrid::Show(const TireLayout& layout) {
    for (std::size_t axle = 0; axle < TireLayout::kAxles; ++axle) {
        for (std::size_t wheel = 0; wheel < TireLayout::kWheels; ++wheel) {
            const std::uint8_t sensor = layout.At(axle, wheel);
            auto* cell = new QTableWidgetItem(
                sensor == TireLayout::kNone ? QString() : QString::number(sensor));
            cell->setTextAlignment(Qt::AlignCenter);
            setItem(static_cast<int>(axle) + 1, static_cast<int>(wheel) + 1, cell);
        }
    }
}

TireLayout TireLayoutGrid::Layout() const {
    TireLayout layout;
    for (std::size_t i = 0; i < TireLayout::kPositions; ++i) {
        const QTableWidgetItem* cell = item(static_cast<int>(i / TireLayout::kWheels) + 1,
                                            static_cast<int>(i % TireLayout::kWheels) + 1);
        layout.sensors[i] =
            cell ? TireLayout::SensorFromText(cell->text().toStdString()) : TireLayout::kNone;
    }
    return layout;
}

}  // namespace rovik
