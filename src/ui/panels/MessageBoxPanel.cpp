#include "ui/panels/MessageBoxPanel.h"

#include <QPainter>
#include <QStringList>

#include "core/alarms/MessageTable.h"
#include "core/app/Screen.h"
#include "core/params/ParameterTable.h"
#include "ui/panels/MessageBoxDialog.h"
#include "ui/panels/PanelHost.h"
#include "ui/panels/QtColor.h"

namespace rovik {

namespace {
constexpr int kRefreshMs = 300;
// Looks that repaint whatever changed, while the window settles after it is made.
constexpr int kStartLooks = 10;
}  // namespace

MessageBoxPanel::MessageBoxPanel(PanelHost& host, const MessageBoxRecord& boxRecord, bool fromFile)
    : Panel(host, boxRecord, fromFile), record(boxRecord), countdown(kStartLooks) {
    setAccessibleName(tr("Message Box"));
    timer.setInterval(kRefreshMs);
    connect(&timer, &QTimer::timeout, this, &MessageBoxPanel::Tick);
    timer.start();
}

void MessageBoxPanel::WriteRecord(Screen& screen) const {
    MessageBoxRecord current = record;
    static_cast<PanelRecord&>(current) = CommonRecord();
    screen.panels.emplace_back(current);
}

float MessageBoxPanel::FilterValue() const {
    const ValueLookup* values = host.Values();
    if (values == nullptr || !host.Parameters().IsDefined(record.filterPid)) {
        return 0.0f;
    }
    return static_cast<float>(host.Parameters().FindByPid(record.filterPid)->Value(*values));
}

void MessageBoxPanel::Tick() {
    if (countdown > 0) {
        --countdown;
        update();
    } else if (record.limitToFilter) {
        // Either way the messages' changes count as seen, so that lifting the limit later
        // does not repaint for old news.
        shownChanges = host.Messages().Changes();
        const float value = FilterValue();
        if (value != lastFilterValue) {
            update();
        }
        lastFilterValue = value;
    } else if (host.Messages().Changes() != shownChanges) {
        shownChanges = host.Messages().Changes();
        update();
    }
}

std::vector<const TextMessage*> MessageBoxPanel::Shown() const {
    std::vector<const TextMessage*> shown;
    for (const TextMessage& message : host.Messages().Messages()) {
        if (static_cast<int>(shown.size()) == record.Lines()) {
            break;
        }
        if (message.IsActive() && (!record.limitToFilter || message.pid == record.filterPid)) {
            shown.push_back(&message);
        }
    }
    return shown;
}

QString MessageBoxPanel::Reading() const {
    QStringList texts;
    for (const TextMessage* message : Shown()) {
        texts << QString::fromLatin1(message->text.c_str());
    }
    return texts.isEmpty() ? Panel::Reading() : texts.join("; ");
}

void MessageBoxPanel::Paint(QPainter& painter) {
    Panel::Paint(painter);
    const int lineHeight = height() / record.Lines();
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Black);
    font.setPixelSize(std::max(1, lineHeight));
    painter.setFont(font);
    painter.setPen(ToQColor(host.PanelTextColor()));
    int top = 0;
    for (const TextMessage* message : Shown()) {
        const QRect line(0, top, width(), lineHeight);
        painter.fillRect(line, ToQColor(message->color));
        painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
                         QString::fromLatin1(message->text.c_str()));
        top += lineHeight;
    }
}

void MessageBoxPanel::ShowProperties() {
    MessageBoxRecord current = record;
    static_cast<PanelRecord&>(current) = CommonRecord();
    MessageBoxDialog dialog(current, host.Parameters(), this);
    if (dialog.exec() == QDialog::Accepted) {
        const PanelRect place = current.rect;
        record = dialog.Result();
        record.rect = place;
        SetBackground(record.background);
    }
    setFocus();
}

}  // namespace rovik
