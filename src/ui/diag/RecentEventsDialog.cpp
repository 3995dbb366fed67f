#include "ui/diag/RecentEventsDialog.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QUrl>
#include <QVBoxLayout>

#include "core/diag/FaultCollector.h"
#include "ui/app/FilePath.h"

namespace rovik {

namespace {
// Room for the longest fault line beside the scroll bar, and for a full list.
constexpr int kVisibleLines = FaultCollector::kListed + 1;

QListWidget* MakeList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setAccessibleName("Recent Diagnostic Events");
    list->setSortingEnabled(true);
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics(list->font());
    const int width = metrics.horizontalAdvance(QString(FaultEntry::kLineWidth, 'M'));
    list->setMinimumSize(width + list->verticalScrollBar()->sizeHint().width() + 8,
                         metrics.height() * kVisibleLines);
    return list;
}

QString NoteText(const FaultCollector::Recent& recent) {
    QStringList parts;
    if (recent.unlisted > 0) {
        parts << QString(
                     "%1 more fault(s) did not fit the list; the active ones are in the "
                     "history (View History).")
                     .arg(recent.unlisted);
    }
    if (!recent.historyProblem.empty()) {
        parts << "The last fault could not be added to DIAGNOSTICS.TXT (" +
                     QString::fromLocal8Bit(recent.historyProblem.c_str()) + ").";
    }
    return parts.join('\n');
}
}  // namespace

RecentEventsDialog::RecentEventsDialog(FaultCollector& collector, QWidget* parent)
    : QDialog(parent), faults(collector), list(MakeList(this)), note(new QLabel(this)) {
    setWindowTitle("Recent Diagnostic Events");
    note->setWordWrap(true);
    note->hide();

    auto* clearList = new QPushButton("C&lear List", this);
    auto* viewHistory = new QPushButton("&View History", this);
    auto* clearHistory = new QPushButton("Clear &History", this);
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    connect(clearList, &QPushButton::clicked, this, &RecentEventsDialog::ClearList);
    connect(viewHistory, &QPushButton::clicked, this, &RecentEventsDialog::ViewHistory);
    connect(clearHistory, &QPushButton::clicked, this, &RecentEventsDialog::ClearHistory);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clearList);
    buttons->addWidget(viewHistory);
    buttons->addWidget(clearHistory);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(note);
    layout->addLayout(buttons);

    timer.setInterval(kRefreshMs);
    connect(&timer, &QTimer::timeout, this, &RecentEventsDialog::Refresh);
    timer.start();
    Refresh();
}

void RecentEventsDialog::Refresh() {
    const FaultCollector::Recent recent = faults.RecentFaults();
    const QString noteText = NoteText(recent);
    note->setText(noteText);
    note->setVisible(!noteText.isEmpty());
    if (recent.runningTotal == shownTotal) {
        return;
    }
    shownTotal = recent.runningTotal;
    list->clear();
    for (const std::string& line : recent.lines) {
        list->addItem(QString::fromLatin1(line.c_str()));
    }
}

void RecentEventsDialog::ClearList() {
    faults.ClearRecentList();
    list->clear();
    // The list now shows what a running total of 0 means: nothing. A fault recorded since
    // the clear makes the total differ again, however many the list held before.
    shownTotal = 0;
}

QString RecentEventsDialog::HistoryPath() const {
    return QFileInfo(FromPath(faults.HistoryPath())).absoluteFilePath();
}

void RecentEventsDialog::ViewHistory() {
    // The viewer needs a file to show, even if someone took it away.
    faults.CreateHistoryIfMissing();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(HistoryPath()))) {
        QMessageBox::warning(
            this, "Rovik",
            "Could not open " + HistoryPath() + ".\nNo program to show text files was found.");
    }
}

void RecentEventsDialog::ClearHistory() {
    const auto answer = QMessageBox::question(
        this, "Clear History",
        "Delete every fault line and note in DIAGNOSTICS.TXT?\nThis cannot be undone.",
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        return;
    }
    if (!faults.ClearHistory()) {
        QMessageBox::warning(this, "Rovik",
                             "Failed to clear " + HistoryPath() + ".\nThe history is unchanged.");
    }
}

}  // namespace rovik
