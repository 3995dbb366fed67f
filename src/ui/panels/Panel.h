#pragma once

#include <QPoint>
#include <QWidget>

#include "core/panels/PanelRecord.h"

namespace rovik {

class PanelHost;
class Parameter;
struct Screen;

// A panel on the main window: the user selects it with a click, drags it on an 8-pixel grid,
// resizes it by its frame, recolours it and deletes it with the Delete key; Enter or the menu
// key opens its properties. This base class is
// the blank panel; the gauge kinds paint on top of it.
class Panel : public QWidget {
    Q_OBJECT
public:
    // A panel read from a screen file has shown its properties already; a new one opens them
    // the first time it takes the focus.
    Panel(PanelHost& host, const PanelRecord& record, bool fromFile);

    // The selected panel shows a frame to resize it by and is the one Delete Gauge removes.
    bool IsSelected() const;
    // Adds this panel's record, rectangle as it stands now, to the screen being saved.
    virtual void WriteRecord(Screen& screen) const;
    // The right-click action: the properties dialog, for the blank panel the colour dialog.
    virtual void ShowProperties();
    // What the panel shows, in words, as screen readers announce it (its accessible name,
    // kept up to date as it paints; its kind is the description). The blank panel's is its
    // kind.
    virtual QString Reading() const;

protected:
    // The common record with the panel's place as it stands now.
    PanelRecord CommonRecord() const;
    // A kind's record with the panel's common fields as they stand now.
    template <typename Record>
    Record WithCommonFields(const Record& record) const {
        Record current = record;
        static_cast<PanelRecord&>(current) = CommonRecord();
        return current;
    }
    // The parameter's live value; 0 before the link exists.
    double ValueOf(const Parameter& parameter) const;
    // Takes the colour and repaints the panel where it stands.
    void SetBackground(ColorRef color);
    // Draws the panel's content; the base fills it with the background colour.
    virtual void Paint(QPainter& painter);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    PanelHost& host;

private:
    // Which edges a press on the selection frame moves.
    struct Edges {
        bool left = false;
        bool top = false;
        bool right = false;
        bool bottom = false;
        bool Any() const { return left || top || right || bottom; }
    };
    Edges EdgesAt(QPoint point) const;
    // Repaints the panel and what its frame covers, after a change of place or looks.
    void RefreshInParent();
    void DragTo(QPoint point);
    void ResizeTo(QPoint globalPoint);
    void UpdateCursor(QPoint point);
    // Arrow keys move the panel one grid step; with Shift they move its right or bottom edge.
    bool StepByKey(int key, bool edge);

    char kind;
    ColorRef background;
    bool propertiesShown;
    bool dragging = false;
    QPoint dragOrigin;
    Edges resizing;
};

}  // namespace rovik
