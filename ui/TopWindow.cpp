#include "ui/TopWindow.h"

#include "assets/AssetPaths.h"
#include "platform/Identity.h"
#include "ui/Style.h"

#include <QCloseEvent>
#include <QLayout>

namespace kinwise {

namespace {
std::function<void()> quitHandler;
}

TopWindow::TopWindow(const QString& objectName, const QSize& clientSize)
    : m_client(new QWidget(this))
{
    setObjectName(objectName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Identity::WindowCaption);
    setWindowIcon(WindowIcon());
    setFont(Style::Verdana(8.25));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    m_client->setObjectName(objectName + QStringLiteral("Client"));
    Style::SetBackground(m_client, Style::WindowTeal);
    m_client->setFixedSize(clientSize);
    setCentralWidget(m_client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TopWindow::setQuitHandler(std::function<void()> handler)
{
    quitHandler = std::move(handler);
}

void TopWindow::unload()
{
    m_unloading = true;
    close();
}

void TopWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!m_unloading) {
        m_unloading = true;
        if (quitHandler) {
            quitHandler();
        }
    }
}

} // namespace kinwise
