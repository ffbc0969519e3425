#include "shell/view/property_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace talvex {

CTalvexPropertySheet::CTalvexPropertySheet(ShellContext& context, const QString& caption,
                                           std::string fileName, std::vector<TalvexPage*> pages,
                                           SaveFunction save, QWidget* parent)
    : QDialog(parent), context_(context), fileName_(std::move(fileName)), pages_(std::move(pages)),
      save_(std::move(save)), tabs_(new QTabWidget(this))
{
    setWindowTitle(caption);
    for (TalvexPage* page : pages_)
        tabs_->addTab(page, page->caption());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    for (QAbstractButton* button : buttons->buttons())
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    resize(820, 600);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTalvexPropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTalvexPropertySheet::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        if (isVisible())
            activateCurrent();
    });
}

void CTalvexPropertySheet::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    activateCurrent();
    for (auto& action : std::exchange(afterShown_, {}))
        QTimer::singleShot(0, this, std::move(action));
}

void CTalvexPropertySheet::activateCurrent()
{
    const int index = tabs_->currentIndex();
    if (index >= 0 && index < static_cast<int>(pages_.size()))
        pages_[static_cast<std::size_t>(index)]->activate();
}

void CTalvexPropertySheet::accept()
{
    if (context_.isModified() && save_ && !SaveOrSaveAs(context_, *this, fileName_, save_))
        return;
    QDialog::accept();
}

// Cancel, Escape and the window's close button all end here.
void CTalvexPropertySheet::reject()
{
    if (context_.isModified() && !ConfirmDiscard(context_, *this, fileName_))
        return;
    QDialog::reject();
}

} // namespace talvex
