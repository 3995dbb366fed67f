#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <vector>

namespace rovik::test {

// Stands in for the user's viewer: file URLs the program asks to open are kept here
// instead, for as long as it lives.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder() { QDesktopServices::setUrlHandler("file", this, "Open"); }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler("file"); }

    std::vector<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

}  // namespace rovik::test
