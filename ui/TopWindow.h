// The main and result windows: closing one by the user ends the program, while the program's own
// swaps between them only unload the window they leave.
#pragma once

#include <QMainWindow>

#include <functional>

namespace kinwise {

class TopWindow : public QMainWindow
{
    Q_OBJECT

public:
    TopWindow(const QString& objectName, const QSize& clientSize);

    // Closes the window without ending the program.
    void unload();

    // What a user's close of either window runs: the program's shutdown, set at start-up.
    static void setQuitHandler(std::function<void()> handler);

protected:
    void closeEvent(QCloseEvent* event) override;
    QWidget* client() const { return m_client; }

private:
    QWidget* m_client;
    bool m_unloading = false;
};

} // namespace kinwise
