#pragma once

#include <QDialog>
#include <optional>

class QListWidget;

namespace rovik {

class ParameterTable;
class ValueLookup;

// The PID Sniffer: lists every number the vehicle currently sends, in number order, and adds
// a ready-made parameter for the chosen one ("Add Parameter Definition" or a double click).
// Additions go into the live table; the caller saves it on OK and reads it again on Cancel.
class PidSnifferDialog : public QDialog {
    Q_OBJECT
public:
    // Without values (no link yet) the list stays empty.
    PidSnifferDialog(ParameterTable& parameters, const ValueLookup* values,
                     QWidget* parent = nullptr);

private:
    // Lists the numbers afresh, selecting this one when it is listed.
    void Fill(std::optional<unsigned> selected);
    std::optional<unsigned> SelectedPid() const;
    void AddDefinition();
    void Tell(const QString& text);

    ParameterTable& parameters;
    const ValueLookup* values;
    QListWidget* list = nullptr;
};

}  // namespace rovik
