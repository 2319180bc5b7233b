#include "ui/Accessibility.h"

#include "ui/LinkLabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QFocusFrame>
#include <QPointer>

namespace kinwise {

namespace {

// A choice-only list as Qt gives it, with its entries and actions, that also has its purpose as
// its name: Qt on Linux names a list by its entry, and a caption beside it would hide the purpose.
class AccessibleChoiceList : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleChoiceList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox)
    {
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [this] { announce(); });
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) {
            return list()->currentText();
        }
        return QAccessibleWidget::text(t);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        found.removeIf([](const auto& relation) { return relation.second == QAccessible::Label; });
        return found;
    }

    // The entries: Qt's own interface of the popup list.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    // Qt's actions of a list: both open the popup, or close it when it is open.
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (!actionNames().contains(action)) {
            return;
        }
        if (list()->view()->isVisible()) {
            list()->hidePopup();
        } else {
            list()->showPopup();
        }
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    // Until Qt 6.8, whose QAccessibleAnnouncementEvent can say the new entry, the list tells it as
    // text: the entry shown selected, so a new entry is an insertion of selected text, which Orca
    // speaks; Orca passes over the name and selection changes Qt sends for a list.
    void selection(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
    }
    int selectionCount() const override { return characterCount() > 0 ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override
    {
        return list()->currentText().mid(start, end - start);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }

    // Told as an insertion alone: readers call the removal of selected text a deletion.
    void announce()
    {
        QAccessibleTextInsertEvent changed(list(), 0, list()->currentText());
        QAccessible::updateAccessibility(&changed);
    }
};

QAccessibleInterface* ChoiceListFactory(const QString& className, QObject* object)
{
    auto* list =
        className == QLatin1String("QComboBox") ? qobject_cast<QComboBox*>(object) : nullptr;
    if (list && !list->isEditable()) {
        return new AccessibleChoiceList(list);
    }
    return nullptr;
}

} // namespace

void GiveFirstFocus(QWidget* widget)
{
    auto* frame = new QFocusFrame(widget->parentWidget());
    frame->hide();
    QObject::connect(qApp, &QApplication::focusChanged, frame,
                     [frame, watched = QPointer<QWidget>(widget)](QWidget*, QWidget* now) {
                         frame->setWidget(now == watched ? now : nullptr);
                     });
    widget->setFocus();
}

void InstallAccessibility()
{
    static const bool installed = [] {
        InstallLinkLabelAccessibility();
        QAccessible::installFactory(ChoiceListFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace kinwise
