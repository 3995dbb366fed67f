#pragma once

#include <QEvent>
#include <QObject>

namespace rovik::bench {

// Counts the paint events of the widgets it is installed on, to show that the work measured
// was really done.
class PaintCounter : public QObject {
public:
    int Count() const { return count; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int count = 0;
};

}  // namespace rovik::bench
