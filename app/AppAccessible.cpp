#include "app/AppAccessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

#include "app/HelpWnd.h"
#include "app/MainDlg.h"

namespace {

// A closed drop-down list. Qt's own interface shows the entries only as a child list and
// offers no selection over AT-SPI, so Orca finds no value; this one gives the current entry
// as the list's read-only text, which Orca reads as its value. The name stays the list's
// label.
class CListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }
    QString Entry() const { return static_cast<QComboBox*>(widget())->currentText(); }

    using QAccessibleWidget::text;
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? Entry() : QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The text: the entry, with nothing to select and no caret to move.
    QString text(int start, int end) const override { return Entry().mid(start, end - start); }
    int characterCount() const override { return int(Entry().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }
};

QAccessibleInterface* AppFactory(const QString&, QObject* object)
{
    if (auto* list = qobject_cast<QComboBox*>(object); list && !list->isEditable())
        return new CListAccessible(list);
    // The plain areas inside a list's entries (the inner area, the scroll bars' frames). Qt's
    // interface for the entries knows its children by role and warns on stderr of any other,
    // which a reader asks about after a list has been enabled or disabled; a pane is the one
    // such child it expects.
    if (qobject_cast<QAbstractItemView*>(object->parent())
        && object->metaObject() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Pane);
    // As a dialog, the main window would make Orca read every label in it whenever it is
    // activated, and collect them again at every move of the focus.
    if (auto* window = dynamic_cast<CMainDlg*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    // Orca reads a dialog's text out when it opens, before the focused Close button.
    if (auto* help = dynamic_cast<CHelpWnd*>(object))
        return new QAccessibleWidget(help, QAccessible::Dialog);
    return nullptr;
}

} // namespace

void InstallAppAccessible()
{
    // A second install of the same factory is ignored.
    QAccessible::installFactory(AppFactory);
}
