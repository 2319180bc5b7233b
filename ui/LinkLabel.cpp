#include "ui/LinkLabel.h"

#include "assets/AssetPaths.h"
#include "ui/SitePages.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace kinwise {

namespace {

constexpr QChar WordJoiner(0x2060);

// Captions keep the stored form, where "&&" stands for one "&".
QString SpokenCaption(const QString& storedCaption)
{
    QString text = storedCaption;
    return text.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// A word written with a hyphen ("co-branding") is not broken there, which would leave its tail
// alone on a line: an invisible word joiner follows such a hyphen on the screen.
QString DisplayedCaption(const QString& storedCaption)
{
    QString text = SpokenCaption(storedCaption);
    for (qsizetype i = text.size() - 2; i > 0; --i) {
        if (text[i] == QLatin1Char('-') && text[i - 1].isLetter() && text[i + 1].isLetter()) {
            text.insert(i + 1, WordJoiner);
        }
    }
    return text;
}

class AccessibleLinkLabel : public QAccessibleWidget
{
public:
    explicit AccessibleLinkLabel(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Link)
    {
        addControllingSignal(QStringLiteral("linkActivated(QString)"));
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            return QString(label()->text()).remove(WordJoiner);
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction()) {
            label()->activate();
        }
    }

private:
    LinkLabel* label() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* LinkLabelAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("kinwise::LinkLabel") && object && object->isWidgetType()) {
        return new AccessibleLinkLabel(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString& objectName, const QString& storedCaption,
                     const QString& pageKey, QWidget* parent)
    : QLabel(DisplayedCaption(storedCaption), parent), m_pageKey(pageKey)
{
    setObjectName(objectName);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(SpokenCaption(storedCaption));
    setAccessibleDescription(SitePageAddress(pageKey));
}

void LinkLabel::activate()
{
    OpenSitePage(m_pageKey);
}

// The pointer's picture is decoded on the first hover over a link, not for every label at start-up.
void LinkLabel::enterEvent(QEnterEvent* event)
{
    if (!testAttribute(Qt::WA_SetCursor)) {
        setCursor(LinkPointer());
    }
    QLabel::enterEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        activate();
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        activate();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void InstallLinkLabelAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(LinkLabelAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace kinwise
