#pragma once
// Catches the files and folders the program asks the shell to open, for its lifetime.

#include <QObject>
#include <QUrl>
#include <vector>

class TUrlCatcher : public QObject {
    Q_OBJECT
public:
    TUrlCatcher();
    ~TUrlCatcher() override;
    Q_INVOKABLE void Open(const QUrl& url) { urls.push_back(url); }
    std::vector<QUrl> urls;
};
