#include "core/alarms/ParameterValue.h"

#include "core/params/ParameterTable.h"

namespace rovik {

ParameterValue ValuesOf(const ParameterTable& parameters, const ValueLookup& values) {
    return [&parameters, &values](unsigned pid) -> std::optional<float> {
        if (!parameters.IsDefined(pid)) {
            return std::nullopt;
        }
        return static_cast<float>(parameters.FindByPid(pid)->Value(values));
    };
}

}  // namespace rovik
