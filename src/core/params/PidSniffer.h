#pragma once

#include <string>
#include <vector>

namespace rovik {

class ParameterTable;
class ValueLookup;

// What the PID Sniffer lists: a fixed-pitch line for every number the vehicle currently
// sends, with its name, whether a parameter shows it and its raw value; and the adding of a
// ready-made parameter for one of them.
class PidSniffer {
public:
    static constexpr unsigned kFirstListed = 1;
    static constexpr unsigned kLastListed = 510;

    struct Line {
        unsigned pid;
        std::string text;
    };
    enum class Addition { Added, AlreadyDefined, NotAvailable, TableFull };

    // The numbers from kFirstListed to kLastListed that have a value, in number order.
    static std::vector<Line> Lines(const ValueLookup& values, const ParameterTable& parameters);
    // The number's name, padded to its column: the derived values by their own names, every
    // other number by the component it names in fault codes.
    static std::string Name(unsigned pid);
    // Appends the automatic definition of the PID, unless a parameter has the PID already,
    // there is no definition for it, or the file could not keep one more parameter.
    static Addition AddDefinition(ParameterTable& parameters, unsigned pid);
};

}  // namespace rovik
