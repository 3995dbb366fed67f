#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "core/params/Parameter.h"

class QFormLayout;
class QLineEdit;
class QListWidget;

namespace rovik {

class ParameterTable;

// The Parameter Editor: every field of every parameter, with New and Delete. It edits the
// live table, so panels show the edits at once; the caller saves the table on OK and reads
// it again on Cancel. The names are listed alphabetically; a renamed one keeps its place
// until the dialog opens again. A field the user changed must hold a valid value before
// the dialog moves to another parameter or closes with OK.
class ParameterEditorDialog : public QDialog {
    Q_OBJECT
public:
    explicit ParameterEditorDialog(ParameterTable& parameters, QWidget* parent = nullptr);

    void accept() override;

private:
    // A field whose text makes no value, and what to tell the user.
    struct Refusal {
        QLineEdit* field;
        QString why;
    };
    struct NumberField {
        QLineEdit* field;
        float Parameter::*member;
    };

    QFormLayout* MakeFields();
    QLineEdit* AddField(QFormLayout* form, const QString& label);
    void AddNumberField(QFormLayout* form, const QString& label, float Parameter::*member);
    // Inserts the name where it falls alphabetically; returns its row.
    int InsertSorted(const QString& name);
    void SelectionChanged(int row);
    void New();
    void Delete();
    // Moves the list's selection without acting on it as a user's choice.
    void SelectRow(int row);
    // The row's name picks the parameter shown: the first one of that name.
    void MakeCurrent(int row);
    void ShowFields();
    // Stores the fields into the current parameter and its name into its list item.
    std::optional<Refusal> Take();
    std::optional<Refusal> Read(Parameter& typed) const;
    void Refuse(const Refusal& refusal);

    ParameterTable& parameters;
    Parameter* current = nullptr;
    int currentRow = 0;
    QListWidget* list = nullptr;
    QLineEdit* name = nullptr;
    QLineEdit* abbreviation = nullptr;
    QLineEdit* pid = nullptr;
    QLineEdit* unit = nullptr;
    QLineEdit* format = nullptr;
    std::vector<NumberField> numbers;
};

}  // namespace rovik
