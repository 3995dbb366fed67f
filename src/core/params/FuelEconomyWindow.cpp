#include "core/params/FuelEconomyWindow.h"

#include <algorithm>

namespace rovik {

FuelEconomyWindow::FuelEconomyWindow(std::size_t capacity)
    : speeds(std::max<std::size_t>(capacity, 1)), fuels(speeds.size()), size(speeds.size()) {}

void FuelEconomyWindow::Resize(std::size_t newSize) {
    size = std::clamp<std::size_t>(newSize, 1, speeds.size());
    Clear();
}

void FuelEconomyWindow::Clear() {
    std::fill(speeds.begin(), speeds.end(), 0.0f);
    std::fill(fuels.begin(), fuels.end(), 0.0f);
    index = 0;
    speedSum = 0.0;
    fuelSum = 0.0;
}

void FuelEconomyWindow::Fill(float speed, float fuel) {
    std::fill_n(speeds.begin(), size, speed);
    std::fill_n(fuels.begin(), size, fuel);
    speedSum = double{speed} * static_cast<double>(size);
    fuelSum = double{fuel} * static_cast<double>(size);
}

void FuelEconomyWindow::Add(float speed, float fuel) {
    speedSum += double{speed} - speeds[index];
    fuelSum += double{fuel} - fuels[index];
    speeds[index] = speed;
    fuels[index] = fuel;
    index = (index + 1) % size;
}

double FuelEconomyWindow::Economy(double fallback) const {
    return fuelSum > 0.0 ? speedSum / fuelSum : fallback;
}

}  // namespace rovik
