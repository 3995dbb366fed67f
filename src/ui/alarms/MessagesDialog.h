#pragma once

#include <QDialog>

class QPushButton;

namespace rovik {

class MessageTable;
class ParameterTable;
class RecordList;
class TextMessage;

// The text messages, in the order of their texts, with Add, Edit and Delete. The list is
// edited in place; the caller saves it when the dialog closes.
class MessagesDialog : public QDialog {
    Q_OBJECT
public:
    MessagesDialog(MessageTable& messages, const ParameterTable& parameters,
                   QWidget* parent = nullptr);

private:
    void Add();
    void Edit();
    void Delete();
    void Insert(TextMessage& message);
    void EnableButtons();

    MessageTable& messages;
    const ParameterTable& parameters;
    RecordList* list;
    QPushButton* editButton;
    QPushButton* deleteButton;
};

}  // namespace rovik
