#pragma once

#include "ui/alarms/RecordListDialog.h"

namespace rovik {

class MessageTable;
class ParameterTable;
class TextMessage;

// The text messages, in the order of their texts, with Add, Edit and Delete. The list is
// edited in place; the caller saves it when the dialog closes.
class MessagesDialog : public RecordListDialog {
    Q_OBJECT
public:
    MessagesDialog(MessageTable& messages, const ParameterTable& parameters,
                   QWidget* parent = nullptr);

private:
    void Add() override;
    void Edit() override;
    void Delete() override;
    void Insert(TextMessage& message);

    MessageTable& messages;
    const ParameterTable& parameters;
};

}  // namespace rovik
