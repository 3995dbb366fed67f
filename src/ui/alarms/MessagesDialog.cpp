#include "ui/alarms/MessagesDialog.h"

#include <QApplication>
#include <QMessageBox>

#include "core/alarms/MessageTable.h"
#include "core/params/ParameterTable.h"
#include "ui/alarms/ParameterList.h"
#include "ui/alarms/RecordList.h"
#include "ui/alarms/TextMessageDialog.h"

namespace rovik {

namespace {
// What Add starts from.
TextMessage BlankMessage() {
    TextMessage message;
    message.pid = 0;
    message.triggerType = TextMessage::kOver;
    message.triggerValue = 0.0f;
    message.text.clear();
    message.color = kWhite;
    return message;
}
}  // namespace

MessagesDialog::MessagesDialog(MessageTable& messages, const ParameterTable& parameters,
                               QWidget* parent)
    : RecordListDialog(tr("Text Message Configuration"), tr("Messages"), parent),
      messages(messages),
      parameters(parameters) {
    for (TextMessage& message : messages.Messages()) {
        Insert(message);
    }
    Filled();
}

void MessagesDialog::Insert(TextMessage& message) {
    list->Insert(ParameterList::NameOf(parameters, message.pid),
                 QString::fromLatin1(message.text.c_str()), &message,
                 [&message](const void* existing) {
                     return static_cast<const TextMessage*>(existing)->text >= message.text;
                 });
}

void MessagesDialog::Add() {
    if (messages.IsFull()) {
        QMessageBox::warning(this, windowTitle(), tr("No more messages can be kept."));
        return;
    }
    TextMessageDialog dialog(BlankMessage(), parameters, this);
    if (dialog.exec() == QDialog::Accepted) {
        Insert(messages.AddFront(dialog.Result()));
    }
}

void MessagesDialog::Edit() {
    auto* message = static_cast<TextMessage*>(list->SelectedRecord());
    if (message == nullptr) {
        return;
    }
    TextMessageDialog dialog(*message, parameters, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // Whether the message is active stays until the next check.
    const TextMessage& edited = dialog.Result();
    message->pid = edited.pid;
    message->triggerType = edited.triggerType;
    message->triggerValue = edited.triggerValue;
    message->text = edited.text;
    message->color = edited.color;
    messages.Edited();
    list->RemoveSelected();
    Insert(*message);
}

void MessagesDialog::Delete() {
    auto* message = static_cast<TextMessage*>(list->SelectedRecord());
    if (message == nullptr) {
        QMessageBox::warning(this, QApplication::applicationName(),
                             tr("Please select a message to delete."));
        return;
    }
    list->RemoveSelected();
    messages.Remove(*message);
    if (list->count() > 0) {
        list->setCurrentRow(0);
    }
}

}  // namespace rovik
