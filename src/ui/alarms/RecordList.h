#pragma once

#include <QListWidget>
#include <functional>

namespace rovik {

// The list of the alarms or of the messages: each row shows the watched parameter's name in
// its left half and the sound file or the message text in its right half, the selected row
// on light grey in a black frame. Each row carries the record it stands for.
class RecordList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 20;

    explicit RecordList(const QString& name, QWidget* parent = nullptr);

    // Inserts the row before the first row the record should go before, and selects it.
    void Insert(const QString& left, const QString& right, void* record,
                const std::function<bool(const void* existing)>& goesBefore);
    // The record of the selected row, if one is selected.
    void* SelectedRecord() const;
    void RemoveSelected();

signals:
    // The Delete key on the list.
    void deletePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace rovik
