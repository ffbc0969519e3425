#pragma once
// Shows why an editor refused OK: the field that stopped it takes the error
// look and the reason as its accessible description and gets the focus, and
// the hints window shows the reason. The mark goes once the field changes
// (its text is edited, its choice changed, its box clicked) or another
// refusal is shown.
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <string_view>

class QWidget;

namespace talvex {

class ShellContext;

class RefusalMark : public QObject {
public:
    // The dynamic property set on the marked field, true while it is marked.
    static constexpr const char* PROPERTY = "refused";

    RefusalMark(const ShellContext& context, QObject* parent);

    // Marks `field`, when there is one, and shows `reason`; nothing for an
    // empty reason.
    void show(QWidget* field, std::string_view reason);
    // The field marked last looks and reads as before.
    void clear();

private:
    const ShellContext& context_;
    QPointer<QWidget> field_;
    QMetaObject::Connection change_;
    QString styleBefore_;
    QString descriptionBefore_;
};

} // namespace talvex
