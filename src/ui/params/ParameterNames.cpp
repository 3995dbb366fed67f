#include "ui/params/ParameterNames.h"

#include <algorithm>

#include "core/params/ParameterTable.h"

namespace rovik {

QStringList SortedParameterNames(const ParameterTable& parameters) {
    QStringList names;
    for (std::size_t i = 0; i < parameters.Size(); ++i) {
        names.append(QString::fromLatin1(parameters.At(i).name.c_str()));
    }
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

}  // namespace rovik
