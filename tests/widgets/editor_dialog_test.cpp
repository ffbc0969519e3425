// Every way of ending an editor or wizard: only OK commits, and OK on
// invalid input keeps the dialog open; every other ending cancels.
#include <QCloseEvent>
#include <QtTest>

#include <functional>

#include "widgets/editor_dialog.h"

using namespace talvex;

namespace {

class Probe : public EditorDialog {
public:
    explicit Probe(bool valid) : EditorDialog(nullptr), valid_(valid) {}
    int commits = 0;
    int cancels = 0;

private:
    bool commit() override { return ++commits, valid_; }
    void cancel() override { ++cancels; }
    bool valid_;
};

} // namespace

class EditorDialogTest : public QObject {
    Q_OBJECT
private slots:
    void onlyOkCommitsAndEveryOtherEndingCancels()
    {
        const struct {
            const char* ending;
            bool valid;
            std::function<void(Probe&)> end;
            int commits, cancels, result;
            bool open;
        } cases[] = {
            {"OK", true, [](Probe& d) { d.accept(); }, 1, 0, QDialog::Accepted, false},
            {"OK refused", false, [](Probe& d) { d.accept(); }, 1, 0, QDialog::Rejected, true},
            {"done(Accepted)", true, [](Probe& d) { d.done(QDialog::Accepted); }, 1, 0,
             QDialog::Accepted, false},
            {"Cancel", true, [](Probe& d) { d.reject(); }, 0, 1, QDialog::Rejected, false},
            {"Escape", true, [](Probe& d) { QTest::keyClick(&d, Qt::Key_Escape); }, 0, 1,
             QDialog::Rejected, false},
            {"close button", true, [](Probe& d) { d.close(); }, 0, 1, QDialog::Rejected, false},
            {"done(7)", true, [](Probe& d) { d.done(7); }, 0, 1, 7, false},
        };
        for (const auto& c : cases) {
            Probe dialog(c.valid);
            dialog.show();
            c.end(dialog);
            QVERIFY2(dialog.commits == c.commits && dialog.cancels == c.cancels, c.ending);
            QVERIFY2(dialog.result() == c.result && dialog.isVisible() == c.open, c.ending);
        }
    }
};

QTEST_MAIN(EditorDialogTest)
#include "editor_dialog_test.moc"
