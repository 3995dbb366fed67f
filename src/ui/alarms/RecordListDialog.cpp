#include "ui/alarms/RecordListDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/alarms/RecordList.h"

namespace rovik {

RecordListDialog::RecordListDialog(const QString& title, const QString& listName, QWidget* parent)
    : QDialog(parent),
      list(new RecordList(listName)),
      editButton(new QPushButton(tr("&Edit"))),
      deleteButton(new QPushButton(tr("&Delete"))) {
    setWindowTitle(title);
    auto* add = new QPushButton(tr("&Add"));
    for (QPushButton* button : {add, editButton, deleteButton}) {
        button->setAutoDefault(false);
    }
    connect(add, &QPushButton::clicked, this, [this] { Add(); });
    connect(editButton, &QPushButton::clicked, this, [this] { Edit(); });
    connect(deleteButton, &QPushButton::clicked, this, [this] { Delete(); });
    connect(list, &RecordList::deletePressed, this, [this] { Delete(); });
    connect(list, &QListWidget::itemDoubleClicked, this, [this] { Edit(); });
    connect(list, &QListWidget::itemSelectionChanged, this, &RecordListDialog::EnableButtons);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* side = new QVBoxLayout;
    side->addWidget(add);
    side->addWidget(editButton);
    side->addWidget(deleteButton);
    side->addStretch();
    side->addWidget(ok);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list);
    layout->addLayout(side);
}

void RecordListDialog::Filled() {
    list->clearSelection();
    EnableButtons();
}

void RecordListDialog::EnableButtons() {
    const bool selected = list->SelectedRecord() != nullptr;
    editButton->setEnabled(selected);
    deleteButton->setEnabled(selected);
}

}  // namespace rovik
