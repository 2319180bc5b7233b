// A label that opens a page of the vendor's site: by a left click, or Enter or Space when it has
// the keyboard focus. Screen readers see it as a link.
#pragma once

#include <QLabel>

namespace kinwise {

class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    LinkLabel(const QString& objectName, const QString& storedCaption, const QString& pageKey,
              QWidget* parent);

    void activate();

protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_pageKey;
};

// Lets screen readers see LinkLabels as links with a press action; installed once at start-up.
void InstallLinkLabelAccessibility();

} // namespace kinwise
