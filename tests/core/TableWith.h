#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "core/params/ParameterTable.h"

// A table holding a parameter for each of these PIDs, each with no correction.
inline rovik::ParameterTable TableWith(std::initializer_list<std::uint16_t> pids) {
    rovik::ParameterTable table("unused");
    for (std::uint16_t pid : pids) {
        auto parameter = std::make_unique<rovik::Parameter>();
        parameter->name = "PID " + std::to_string(pid);
        parameter->pid = pid;
        table.Append(std::move(parameter));
    }
    return table;
}
