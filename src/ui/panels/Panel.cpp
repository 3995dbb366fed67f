#include "ui/panels/Panel.h"

#include <QColorDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "core/app/ScreenFile.h"
#include "core/panels/PanelGrid.h"
#include "core/params/Parameter.h"
#include "ui/panels/PanelHost.h"
#include "ui/panels/PanelPainting.h"
#include "ui/panels/QtColor.h"

namespace rovik {

namespace {
// Width of the frame a selected panel shows and is resized by.
constexpr int kFrameWidth = 4;
constexpr int kSmallestSide = 16;

QString KindName(char kind) {
    switch (kind) {
        case PanelKind::kSimpleGauge:
            return "Simple Gauge";
        case PanelKind::kScanGauge:
            return "Scan Gauge";
        case PanelKind::kOdometer:
            return "Odometer";
        case PanelKind::kTransmission:
            return "Transmission Indicator";
        case PanelKind::kMultibar:
            return "Multibar";
        case PanelKind::kHistogram:
            return "Histogram";
        case PanelKind::kClock:
            return "Clock";
        case PanelKind::kPicture:
            return "Picture";
        case PanelKind::kText:
            return "Text";
        case PanelKind::kTankMinder:
            return "Tank Minder";
        case PanelKind::kTireGauge:
            return "Tire Gauge";
        case PanelKind::kMessageBox:
            return "Message Box";
        default:
            return "Blank Panel";
    }
}
}  // namespace

Panel::Panel(PanelHost& owner, const PanelRecord& record, bool fromFile)
    : QWidget(&owner.PanelArea()),
      host(owner),
      kind(record.kind),
      background(record.background),
      propertiesShown(fromFile) {
    setObjectName("RPanel");
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setGeometry(ToQRect(record.PlacedRect()));
    setAccessibleName(KindName(kind));
    setAccessibleDescription(KindName(kind));
}

QString Panel::Reading() const {
    return KindName(kind);
}

PanelRecord Panel::CommonRecord() const {
    PanelRecord record;
    record.kind = kind;
    const QRect place = geometry();
    record.rect = {place.left(), place.top(), place.left() + place.width(),
                   place.top() + place.height()};
    record.background = background;
    return record;
}

void Panel::WriteRecord(Screen& screen) const {
    screen.panels.emplace_back(CommonRecord());
}

void Panel::ShowProperties() {
    const QColor chosen = QColorDialog::getColor(Qt::white, this, "Color");
    if (chosen.isValid()) {
        SetBackground(ToColorRef(chosen));
    }
    setFocus();
}

double Panel::ValueOf(const Parameter& parameter) const {
    const ValueLookup* values = host.Values();
    return values ? parameter.Value(*values) : 0.0;
}

void Panel::SetBackground(ColorRef color) {
    background = color;
    RefreshInParent();
}

void Panel::RefreshInParent() {
    if (parentWidget()) {
        parentWidget()->update(geometry());
    }
    update();
}

bool Panel::IsSelected() const {
    return host.IsSelected(*this);
}

void Panel::Paint(QPainter& painter) {
    painter.fillRect(rect(), ToQColor(background));
}

void Panel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter);
    // What was painted is what a screen reader reads out.
    const QString reading = Reading();
    if (reading != accessibleName()) {
        setAccessibleName(reading);
    }
    if (IsSelected()) {
        painter.setPen(
            QPen(Qt::darkGray, kFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
            rect().adjusted(kFrameWidth / 2, kFrameWidth / 2, -kFrameWidth / 2, -kFrameWidth / 2));
    }
}

Panel::Edges Panel::EdgesAt(QPoint point) const {
    Edges edges;
    if (!IsSelected()) {
        return edges;
    }
    edges.left = point.x() < kFrameWidth;
    edges.top = point.y() < kFrameWidth;
    edges.right = point.x() >= width() - kFrameWidth;
    edges.bottom = point.y() >= height() - kFrameWidth;
    return edges;
}

void Panel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint point = event->position().toPoint();
    resizing = EdgesAt(point);
    dragging = !resizing.Any();
    dragOrigin = point;
    grabMouse();
    setFocus(Qt::MouseFocusReason);
}

void Panel::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (resizing.Any()) {
        ResizeTo(event->globalPosition().toPoint());
    } else if (dragging) {
        DragTo(point);
    } else {
        UpdateCursor(point);
    }
}

void Panel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging = false;
        resizing = Edges();
        releaseMouse();
    } else if (event->button() == Qt::RightButton) {
        ShowProperties();
    }
}

void Panel::DragTo(QPoint point) {
    const QPoint step(PanelGrid::DragDistance(point.x() - dragOrigin.x()),
                      PanelGrid::DragDistance(point.y() - dragOrigin.y()));
    if (!step.isNull()) {
        move(pos() + step);
        RefreshInParent();
    }
}

void Panel::ResizeTo(QPoint globalPoint) {
    // The grid runs through the main window's client origin, in screen coordinates.
    const QPoint origin = parentWidget()->mapToGlobal(QPoint(0, 0));
    const QRect place = geometry().translated(origin);
    PanelRect proposed{place.left(), place.top(), place.left() + place.width(),
                       place.top() + place.height()};
    if (resizing.left) {
        proposed.left = globalPoint.x();
    }
    if (resizing.right) {
        proposed.right = globalPoint.x();
    }
    if (resizing.top) {
        proposed.top = globalPoint.y();
    }
    if (resizing.bottom) {
        proposed.bottom = globalPoint.y();
    }
    PanelRect snapped = PanelGrid::Snap(proposed, origin.x(), origin.y());
    // A panel never shrinks past the point where it could no longer be grabbed.
    if (snapped.Width() < kSmallestSide || snapped.Height() < kSmallestSide) {
        return;
    }
    setGeometry(
        QRect(snapped.left, snapped.top, snapped.Width(), snapped.Height()).translated(-origin));
    RefreshInParent();
}

void Panel::UpdateCursor(QPoint point) {
    const Edges edges = EdgesAt(point);
    if ((edges.left && edges.top) || (edges.right && edges.bottom)) {
        setCursor(Qt::SizeFDiagCursor);
    } else if ((edges.left && edges.bottom) || (edges.right && edges.top)) {
        setCursor(Qt::SizeBDiagCursor);
    } else if (edges.left || edges.right) {
        setCursor(Qt::SizeHorCursor);
    } else if (edges.top || edges.bottom) {
        setCursor(Qt::SizeVerCursor);
    } else {
        unsetCursor();
    }
}

void Panel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Delete || key == Qt::Key_Return || key == Qt::Key_Enter ||
        key == Qt::Key_Menu) {
        // A held key acts once: a repeated Enter would reopen the dialog it has just closed.
        if (event->isAutoRepeat()) {
            return;
        }
        if (key == Qt::Key_Delete) {
            host.RequestPanelDeletion(this);
        } else {
            ShowProperties();
        }
    } else if (!StepByKey(key, event->modifiers() & Qt::ShiftModifier)) {
        QWidget::keyPressEvent(event);
    }
}

bool Panel::StepByKey(int key, bool edge) {
    QPoint step;
    switch (key) {
        case Qt::Key_Left:
            step = QPoint(-PanelGrid::kStep, 0);
            break;
        case Qt::Key_Right:
            step = QPoint(PanelGrid::kStep, 0);
            break;
        case Qt::Key_Up:
            step = QPoint(0, -PanelGrid::kStep);
            break;
        case Qt::Key_Down:
            step = QPoint(0, PanelGrid::kStep);
            break;
        default:
            return false;
    }
    if (!edge) {
        move(pos() + step);
    } else if (width() + step.x() >= kSmallestSide && height() + step.y() >= kSmallestSide) {
        resize(size() + QSize(step.x(), step.y()));
    }
    RefreshInParent();
    return true;
}

void Panel::focusInEvent(QFocusEvent*) {
    if (!propertiesShown) {
        propertiesShown = true;
        // Opened once the focus change is complete, not inside it.
        QTimer::singleShot(0, this, &Panel::ShowProperties);
    }
    raise();
    RefreshInParent();
    host.SetSelectedPanel(this);
}

void Panel::focusOutEvent(QFocusEvent* event) {
    // A menu or a dialog opening does not unselect the panel, so Delete Gauge still knows
    // which it is; only another panel or window part taking the focus does.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::MenuBarFocusReason ||
        event->reason() == Qt::ActiveWindowFocusReason) {
        return;
    }
    RefreshInParent();
    host.ClearSelectedPanel(this);
}

}  // namespace rovik
