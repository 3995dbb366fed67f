#pragma once

#include <QStringList>

namespace rovik {

class ParameterTable;

// The parameters' names as the lists that offer them show them: in the order of a
// dictionary, so case does not split the list in two.
QStringList SortedParameterNames(const ParameterTable& parameters);

}  // namespace rovik
