#include "shell/view/talvex_app.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include "config/config_file.h"
#include "pages/masks/view/masks_page.h"
#include "pages/priq/view/priq_page.h"
#include "pages/qos/view/qos_page.h"
#include "pages/rules/view/rules_page.h"
#include "shell/shell_messages.h"
#include "shell/shell_names.h"
#include "shell/shell_texts.h"
#include "shell/view/info_page.h"
#include "shell/view/old_format_dialog.h"
#include "shell/view/splash_window.h"
#include "shell/view/window_layout.h"
#include "tables/config_tables.h"
#include "textform/text_form.h"
#include "verify/view/verify_page.h"

namespace talvex {

namespace {

QFont CourierNew(int pixelSize)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(pixelSize);
    return font;
}

TalvexPage* MakeTablePage(TableKind kind, ShellContext& context)
{
    switch (kind) {
    case TableKind::Rules: return new CTalvexConfigRules(context);
    case TableKind::Masks: return new CTalvexConfigMasks(context);
    case TableKind::PriQ: return new CTalvexConfigPriQ(context);
    case TableKind::Qos: return new CTalvexConfigQos(context);
    }
    return nullptr;
}

} // namespace

TalvexApp::TalvexApp(Options options)
    : options_(options), image_(std::make_unique<ConfigImage>()),
      hints_(std::make_unique<HintsWindow>())
{
    context_ = std::make_unique<ShellContext>(
        *image_, modified_, CourierNew(14), CourierNew(16),
        [hints = hints_.get()](const QString& text) { hints->ShowHint(text); });
    context_->setHintsWindow(hints_.get());
    context_->setEntriesText(
        [](const ConfigImage& image, TableKind table, std::span<const int> entries) {
            return textform::WriteEntriesText(image, table, entries, ConfigTables());
        });
}

TalvexApp::~TalvexApp() = default;

void TalvexApp::StartUp(const std::string& commandLineText)
{
    if (options_.splashMs > 0) {
        SplashWindow splash(options_.splashMs);
        splash.run();
    }
    state_ = talvex::StartUp(*image_, commandLineText);
    // Why the file did not load comes first, so the old-format question is
    // answered knowing it.
    if (state_.loadFailure)
        tellWhyLoadFailed();
    if (state_.oldFormatPromptDue) {
        COldFormatDlg prompt;
        context_->RunModal(prompt);
        ApplyOldFormatAnswer(*image_, prompt.answer());
    }
    hints_->ShowHint(QString::fromUtf8(PRODUCT_BANNER));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        hints_->move(screen->availableGeometry().topLeft());
    hints_->open();
    modified_ = false;
}

std::unique_ptr<CTalvexPropertySheet> TalvexApp::buildSheet()
{
    std::vector<TalvexPage*> pages;
    for (TableKind kind : SheetTables(*image_))
        pages.push_back(MakeTablePage(kind, *context_));
    auto* verify = new CTalvexVerify(*context_);
    pages.push_back(verify);
    pages.push_back(new CTalvexConfigInfo(*context_));
    auto save = [this](const std::string& fileName, Failure& failure) {
        return SaveConfig(*image_, fileName, &failure);
    };
    auto sheet = std::make_unique<CTalvexPropertySheet>(*context_, state_.fileName,
                                                        std::move(pages), std::move(save));
    // A finding of the report leads to its entry.
    QObject::connect(verify, &CTalvexVerify::entryChosen, sheet.get(),
                     [shown = sheet.get()](TableKind table, int entry) {
                         shown->showEntries(table, {entry});
                     });
    return sheet;
}

void TalvexApp::tellWhyLoadFailed()
{
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(SheetCaption(state_.fileName)),
                    QString::fromStdString(DamagedFileMessage(state_.loadedName,
                                                              state_.loadFailure->reason,
                                                              state_.fileName)),
                    QMessageBox::Ok);
    context_->RunModal(box);
}

int TalvexApp::RunSheet()
{
    auto sheet = buildSheet();
    PlaceBesideSheet(*hints_, *sheet);
    context_->RunModal(*sheet);
    sheet.reset();
    hints_->close();
    return 0;
}

} // namespace talvex
