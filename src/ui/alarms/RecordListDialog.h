#pragma once

#include <QDialog>

class QPushButton;

namespace rovik {

class RecordList;

// A list of records edited in place with Add, Edit and Delete beside it and OK below them, as
// the alarm and message dialogs show theirs. Edit and Delete are enabled while a record is
// selected; a double click edits and the Delete key deletes.
class RecordListDialog : public QDialog {
    Q_OBJECT
protected:
    RecordListDialog(const QString& title, const QString& listName, QWidget* parent);

    virtual void Add() = 0;
    virtual void Edit() = 0;
    virtual void Delete() = 0;
    // Once the records are in: nothing selected yet.
    void Filled();

    RecordList* list;

private:
    void EnableButtons();

    QPushButton* editButton;
    QPushButton* deleteButton;
};

}  // namespace rovik
