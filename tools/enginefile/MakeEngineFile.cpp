// Turns an engine curve written as text (rows of engine speed, torque and horsepower; "#"
// starts a comment) into the 72-byte engine file the dashboard loads.

#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {
constexpr std::size_t kPoints = 12;
constexpr unsigned long kLargest = 65535;

struct Point {
    unsigned long rpm = 0;
    unsigned long torque = 0;
    unsigned long horsepower = 0;
};

bool Fail(const std::string& path, int line, const std::string& why) {
    std::cerr << path << ":" << line << ": " << why << "\n";
    return false;
}

bool ReadPoints(const std::string& path, std::vector<Point>& points) {
    std::ifstream in(path);
    if (!in) {
        return Fail(path, 0, "cannot be read");
    }
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        std::istringstream row(text.substr(0, text.find('#')));
        Point point;
        std::string extra;
        if (!(row >> std::ws) || row.eof()) {
            continue;
        }
        if (!(row >> point.rpm >> point.torque >> point.horsepower) || row >> extra) {
            return Fail(path, line, "a row holds engine speed, torque and horsepower");
        }
        if (point.rpm > kLargest || point.torque > kLargest || point.horsepower > kLargest) {
            return Fail(path, line, "values go up to 65535");
        }
        if (!points.empty() && point.rpm <= points.back().rpm) {
            return Fail(path, line, "engine speeds must rise");
        }
        points.push_back(point);
    }
    if (points.size() != kPoints) {
        return Fail(path, 0, "the curve has exactly 12 rows");
    }
    return true;
}

void PutWord(std::string& bytes, unsigned long value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_engine_file CURVE.txt ENGINE-FILE\n";
        return 2;
    }
    std::vector<Point> points;
    if (!ReadPoints(argv[1], points)) {
        return 1;
    }
    std::string bytes;
    for (unsigned long Point::*column : {&Point::rpm, &Point::torque, &Point::horsepower}) {
        for (const Point& point : points) {
            PutWord(bytes, point.*column);
        }
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
        std::cerr << argv[2] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
