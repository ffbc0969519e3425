#pragma once
// What the widget tests of pages, editors and wizards stand on: an image of
// their own, the `modified` flag, every hint shown, and the context the
// application hands to pages, whose modal runner lets `answer` play the
// operator at each dialog instead of running it. Widgets are found one way:
// by object name.
#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

#include "config/config_file.h"
#include "widgets/shell_context.h"

namespace talvex::testing {

// The child of `parent` with this object name; the test program stops when
// there is none.
template <typename T = QWidget>
T& Child(const QObject& parent, const char* objectName)
{
    T* child = parent.findChild<T*>(QString::fromLatin1(objectName));
    if (child == nullptr)
        qFatal("no %s named %s", T::staticMetaObject.className(), objectName);
    return *child;
}

// The image a fixture starts from: as a new configuration (ResetTables) or
// all zero bytes.
enum class StartImage { New, Zeroed };

struct GuiFixture {
    explicit GuiFixture(StartImage start = StartImage::New)
    {
        if (start == StartImage::New)
            ResetTables(image);
        context.setModalRunner([this](QDialog& dialog) {
            ++dialogsRun;
            if (answer)
                answer(dialog);
            return dialog.result();
        });
    }
    // The last hint shown, or nothing.
    QString hint() const { return hints.isEmpty() ? QString() : hints.last(); }

    std::unique_ptr<ConfigImage> imageOwner = std::make_unique<ConfigImage>();
    ConfigImage& image = *imageOwner;
    bool modified = false;
    QStringList hints;
    // The operator at every modal dialog; the dialog's result is the run's.
    std::function<void(QDialog&)> answer;
    int dialogsRun = 0;
    ShellContext context{image, modified, QFont(QStringLiteral("Courier New"), 10),
                         QFont(QStringLiteral("Courier New"), 12),
                         [this](const QString& text) { hints << text; }};
};

// A table page of type Page on the fixture's image, made and shown for the
// first time by open().
template <typename Page>
struct PageFixture : GuiFixture {
    using GuiFixture::GuiFixture;

    Page& open()
    {
        page = std::make_unique<Page>(context);
        page->activate();
        return *page;
    }
    QListWidget& list() const { return page->list(); }
    QString line(int entry) const { return list().item(entry)->text(); }
    QPushButton& button(const char* objectName) const
    {
        return Child<QPushButton>(*page, objectName);
    }

    std::unique_ptr<Page> page;
};

inline QList<int> SelectedLines(const QListWidget& list)
{
    QList<int> lines;
    for (int line = 0; line < list.count(); ++line) {
        if (list.item(line)->isSelected())
            lines << line;
    }
    return lines;
}

// Exactly these lines selected, the caret on `caret`.
inline void Select(QListWidget& list, const QList<int>& lines, int caret)
{
    list.clearSelection();
    for (int line : lines)
        list.item(line)->setSelected(true);
    list.setCurrentRow(caret, QItemSelectionModel::NoUpdate);
}

// The focus arriving as Tab brings it, without showing the window.
inline void Focus(QWidget& widget)
{
    QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&widget, &event);
}

// The window shown and made the active one at once, as a keyboard reaches
// it: its shortcuts and focus then work as on a desktop, also from inside a
// dialog's answer.
inline void ShowActive(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

inline void Choose(QComboBox& list, const QString& text)
{
    const int index = list.findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list.setCurrentIndex(index);
}

// The field's text replaced by typing.
inline void Type(QLineEdit& field, const QString& text)
{
    field.selectAll();
    if (text.isEmpty())
        QTest::keyClick(&field, Qt::Key_Backspace);
    else
        QTest::keyClicks(&field, text);
}

// A check box or radio button clicked on its indicator, as the operator does.
inline void ClickBox(QAbstractButton& box)
{
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(6, box.height() / 2));
}

} // namespace talvex::testing
