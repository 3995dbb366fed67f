#include "ui/app/ProgramIcon.h"

#include <QDirIterator>

namespace rovik {

QIcon ProgramIcon() {
    QIcon icon;
    QDirIterator pictures(":/icons", QDir::Files, QDirIterator::Subdirectories);
    while (pictures.hasNext()) {
        icon.addFile(pictures.next());
    }
    return icon;
}

}  // namespace rovik
