// A plain Qt Widgets window of about Kinwise's size, the yardstick for tools/bench/run.
// Releasing Space opens a second window in place of the first, as Kinwise's calculate does.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

namespace {

constexpr int ClientWidth = 480;
constexpr int ClientHeight = 312;

void FillWindow(QMainWindow* window, const QString& caption)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("Bare window"));
    QMenu* file = window->menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open"));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), window, &QWidget::close);
    QMenu* help = window->menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Contents"));
    help->addAction(QStringLiteral("&About"));
    auto* label = new QLabel(caption, window);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedSize(ClientWidth, ClientHeight);
    window->setCentralWidget(label);
}

class BareWindow : public QMainWindow
{
public:
    BareWindow() { FillWindow(this, QStringLiteral("Press Space for a second window")); }

protected:
    void keyReleaseEvent(QKeyEvent* event) override
    {
        if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
            QMainWindow::keyReleaseEvent(event);
            return;
        }
        auto* second = new QMainWindow;
        FillWindow(second, QStringLiteral("Second window"));
        second->show();
        close();
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    auto* window = new BareWindow;
    window->show();
    return QApplication::exec();
}
