#include "ui/Accessibility.h"

#include "ui/LinkLabel.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QLabel>

namespace kinwise {

namespace {

// A choice-only list as a screen reader needs it: its purpose as its name and the chosen entry as
// its value and its text. Qt's own interface on Linux names the list by its entry and tells a
// reader of a new entry in no way that it speaks. The text is the entry shown highlighted, so a
// new entry is a change of selected text, which readers speak.
class AccessibleChoiceList : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleChoiceList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox)
    {
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [this] { announce(); });
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return list()->accessibleName();
        case QAccessible::Value:
            return list()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    // The purpose is the name; a caption beside the list would hide it from readers.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        found.removeIf([](const auto& relation) { return relation.second == QAccessible::Label; });
        return found;
    }

    // The text: the chosen entry, read-only and selected as a closed list shows it.
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

// A label turns into a text control when it first gets the focus, which lays its text out a
// pixel higher; the label is told nothing of its focus, so it looks as it always did.
class FocusUntold : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return event->type() == QEvent::FocusIn || QObject::eventFilter(watched, event);
    }
};

} // namespace

void GiveFirstFocus(QLabel* label)
{
    label->installEventFilter(new FocusUntold(label));
    label->setFocus();
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
