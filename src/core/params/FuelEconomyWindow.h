#pragma once

#include <cstddef>
#include <vector>

namespace rovik {

// The last samples of road speed and fuel rate; running sums give the average fuel economy
// over the window at constant cost per sample. Used by one thread at a time (the owner's
// lock).
class FuelEconomyWindow {
public:
    // A window of capacity samples, all of them in use.
    explicit FuelEconomyWindow(std::size_t capacity);

    // Uses this many samples (1 to the capacity) and empties the window.
    void Resize(std::size_t size);
    // Every sample, sum and the index back to 0.
    void Clear();
    // Every sample becomes this pair.
    void Fill(float speed, float fuel);
    // Replaces the oldest sample.
    void Add(float speed, float fuel);

    std::size_t Size() const { return size; }
    bool HasFuel() const { return fuelSum != 0.0; }
    // Speed over fuel for the whole window, or the fallback while the window holds no fuel.
    double Economy(double fallback) const;

private:
    std::vector<float> speeds;
    std::vector<float> fuels;
    std::size_t size;
    std::size_t index = 0;
    double speedSum = 0.0;
    double fuelSum = 0.0;
};

}  // namespace rovik
