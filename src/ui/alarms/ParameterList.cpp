#include "ui/alarms/ParameterList.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "core/params/ParameterTable.h"

namespace rovik {

ParameterList::ParameterList(const ParameterTable& parameters, std::uint16_t pid, QWidget* parent)
    : QListWidget(parent), parameters(parameters) {
    setAccessibleName(tr("Parameter"));
    setMinimumSize(200, 220);
    for (std::size_t i = 0; i < parameters.Size(); ++i) {
        const Parameter& parameter = parameters.At(i);
        addItem(QString::fromLatin1(parameter.name.c_str()));
        if (parameter.pid == pid && currentRow() < 0) {
            setCurrentRow(count() - 1);
        }
    }
    if (currentItem() != nullptr) {
        scrollToItem(currentItem(), QAbstractItemView::PositionAtCenter);
    }
}

QString ParameterList::NameOf(const ParameterTable& parameters, std::uint16_t pid) {
    if (!parameters.IsDefined(pid)) {
        return QString::number(pid);
    }
    return QString::fromLatin1(parameters.FindByPid(pid)->name.c_str());
}

std::optional<std::uint16_t> ParameterList::Pid() const {
    const int row = currentRow();
    if (row < 0 || !currentItem()->isSelected()) {
        return std::nullopt;
    }
    return parameters.At(static_cast<std::size_t>(row)).pid;
}

QGroupBox* ParameterList::InGroup() {
    auto* group = new QGroupBox(tr("&Parameter"));
    (new QVBoxLayout(group))->addWidget(this);
    return group;
}

}  // namespace rovik
