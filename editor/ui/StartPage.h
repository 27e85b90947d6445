// What the editor shows before a bank is open: make a new one, open one, or a recent one.
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

namespace kvardelon::editor {

class StartPage : public QWidget {
    Q_OBJECT
public:
    explicit StartPage(QWidget* parent = nullptr);

    // Shows the recent banks anew.
    void refresh();

signals:
    void newBank();
    void openBank();
    void openRecent(const QString& folder);

private:
    QListWidget* recent_;
    QLabel* recentTitle_ = nullptr;
};

}  // namespace kvardelon::editor
