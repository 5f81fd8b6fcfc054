#include "app/windowcatalog.h"
#include "kit/fieldgraph.h"
#include "platform/editbox.h"
#include "platform/scriptedplatform.h"
#include "testapplication.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

namespace zerval {
namespace {

constexpr int kFields = 6;

// A form of edit boxes Edit1 to Edit6 and the hooks a window would give: it records what the
// graph asks of it.
class RecordingForm : public FieldGraphHooks {
public:
    explicit RecordingForm(LinkedFieldLayout layout)
        : graph(*this, std::move(layout)) {
        for (int number = 1; number <= kFields; ++number) {
            auto* box = new EditBox(&form);
            box->setObjectName(QStringLiteral("Edit%1").arg(number));
        }
        graph.bind(form);
    }

    void fieldChanged(int number) override { graph.spread(number); }
    void overLimit(int number) override { overLimits.push_back(number); }
    void fieldWritten(int number) override { written.push_back(number); }
    bool spreadFailed(int number, bool, std::exception_ptr) override {
        failures.push_back(number);
        return false;
    }
    void answerError(std::exception_ptr) override { ++answered; }
    void fieldEmptied(int number) override { emptied.push_back(number); }
    bool valueAccepted(int number, bool, Ext value) override {
        if (!acceptedUpTo || !(value > Ext(*acceptedUpTo))) return true;
        refused.push_back(number);
        return false;
    }
    QWidget* messageOwner() override { return &form; }
    void closeRequested() override {}

    // The user types `text` into the field: a key makes it the active field, then its text
    // changes.
    void type(int number, const QString& text) {
        graph.clearLocks();
        graph.setActiveField(number);
        graph.field(number)->setText(text);
    }
    QString text(int number) const { return graph.field(number)->text(); }

    QWidget form;
    FieldGraph graph;
    std::vector<int> overLimits;
    std::vector<int> failures;
    std::vector<int> emptied;
    int answered = 0;
    std::vector<int> written;
    std::optional<double> acceptedUpTo;
    std::vector<int> refused;
};

QString wholeForm(double value, QChar separator) {
    return generalForm(value, separator);
}

// Hub 1; group hub 2 (ten to the hub) owning 3 (ten to 2) and 6, computed from 3 but writing 2;
// leaf 4 (two to the hub); relay 5 (three to the hub), which writes the hub only when active.
LinkedFieldLayout graphLayout() {
    LinkedFieldLayout layout;
    layout.hub = 1;
    layout.reading = ReadMode::QuietAlways;
    layout.hubReading = ReadMode::QuietAlways;
    FieldRow relay{5, 1, times({3}), wholeForm, 1, times({per(3)}), wholeForm, RowKind::Relay};
    relay.parentWrite = ParentWrite::WhenActive;
    layout.rows = {
        {2, 1, times({10}), wholeForm, 1, times({0.1L}), wholeForm, RowKind::GroupHub},
        {3, 2, times({10}), wholeForm, 2, times({0.1L}), wholeForm},
        {4, 1, times({2}), wholeForm, 1, times({0.5L}), wholeForm},
        relay,
        {6, 3, times({2}), wholeForm, 2, times({0.05L}), wholeForm},
    };
    return layout;
}

class FieldGraphTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        installPlatform(std::make_unique<ScriptedPlatform>());
    }
    void TearDown() override { installPlatform(nullptr); }
};

TEST_F(FieldGraphTest, TheHubSpreadsOverEveryRowAndTheGroupHubOverItsOwn) {
    RecordingForm window(graphLayout());
    window.type(1, QStringLiteral("2"));
    EXPECT_EQ(window.text(2), QStringLiteral("20"));
    EXPECT_EQ(window.text(3), QStringLiteral("200"));
    EXPECT_EQ(window.text(4), QStringLiteral("4"));
    EXPECT_EQ(window.text(5), QStringLiteral("6"));
    // Computed from the row before it in the group, written by the group hub.
    EXPECT_EQ(window.text(6), QStringLiteral("400"));
}

TEST_F(FieldGraphTest, ALeafWritesItsGroupHubWhichWritesTheHubOnceAndSpares) {
    RecordingForm window(graphLayout());
    window.type(3, QStringLiteral("50"));
    EXPECT_EQ(window.text(3), QStringLiteral("50")); // the active field keeps its text
    EXPECT_EQ(window.text(2), QStringLiteral("5"));
    EXPECT_EQ(window.text(1), QStringLiteral("0.5"));
    EXPECT_EQ(window.text(6), QStringLiteral("100"));
    EXPECT_EQ(window.text(4), QStringLiteral("1"));
    EXPECT_EQ(window.text(5), QStringLiteral("1.5"));
    // The group hub took its lock; the hub, reached through it, did too.
    EXPECT_TRUE(window.graph.locked(2));
    EXPECT_TRUE(window.graph.locked(1));
    EXPECT_FALSE(window.graph.locked(3));
}

TEST_F(FieldGraphTest, ARelayWritesItsParentOnlyWhenTyped) {
    RecordingForm window(graphLayout());
    window.type(5, QStringLiteral("9"));
    EXPECT_EQ(window.text(1), QStringLiteral("3"));
    EXPECT_EQ(window.text(4), QStringLiteral("6"));
    // Written by the hub's spread, it reads its text but leaves the hub alone.
    window.type(4, QStringLiteral("12"));
    EXPECT_EQ(window.text(1), QStringLiteral("6"));
    EXPECT_EQ(window.text(5), QStringLiteral("18"));
}

TEST_F(FieldGraphTest, ASpreadStopsAtARowsLimitAndTheWindowAnswers) {
    LinkedFieldLayout layout = graphLayout();
    layout.rows[2].spreadLimit = 100.0; // row 4
    RecordingForm window(std::move(layout));
    window.type(1, QStringLiteral("70"));
    EXPECT_EQ(window.overLimits, std::vector<int>{4});
    EXPECT_EQ(window.text(4), QString());
    EXPECT_EQ(window.text(5), QString()); // after the limit: not written
    EXPECT_EQ(window.text(2), QStringLiteral("700"));
}

TEST_F(FieldGraphTest, AnOverflowWritingARowTakenAsALimitStopsOnlyItsHubsSpread) {
    LinkedFieldLayout layout = graphLayout();
    layout.rows[1].overflowIsLimit = true; // row 3
    RecordingForm window(std::move(layout));
    window.type(1, QStringLiteral("1E307"));
    EXPECT_EQ(window.overLimits, std::vector<int>{3});
    EXPECT_TRUE(window.failures.empty());
    EXPECT_EQ(window.answered, 0);
    EXPECT_EQ(window.text(2), QStringLiteral("1E308"));
    EXPECT_EQ(window.text(3), QString());
    EXPECT_EQ(window.text(6), QString());               // after the limit in the group hub's spread
    EXPECT_EQ(window.text(4), QStringLiteral("2E307")); // the hub's spread goes on
}

TEST_F(FieldGraphTest, AnOverflowDeepInTheSpreadReachesEveryChangeOnItsWayOutAndIsAnsweredOnce) {
    RecordingForm window(graphLayout());
    window.type(3, QStringLiteral("1E308"));
    // Row 6 overflows in group hub 2's spread, nested in the change of 3.
    EXPECT_EQ(window.failures, (std::vector<int>{2, 3}));
    EXPECT_EQ(window.answered, 1);
}

TEST_F(FieldGraphTest, AValueCarriedIntoAParentIsJudgedBeforeItIsNarrowed) {
    LinkedFieldLayout layout = graphLayout();
    layout.rows[2].toParent = times({10}); // row 4
    RecordingForm window(std::move(layout));
    window.acceptedUpTo = 1e300;
    window.type(4, QStringLiteral("50"));
    EXPECT_EQ(window.text(1), QStringLiteral("500"));
    // Beyond the range of a double in the hub: refused by the window, never an overflow.
    window.type(4, QStringLiteral("1E308"));
    EXPECT_EQ(window.refused, std::vector<int>{1});
    EXPECT_TRUE(window.failures.empty());
    EXPECT_EQ(window.answered, 0);
    EXPECT_EQ(window.text(1), QStringLiteral("500"));
}

// Hub 1; group hub 2 (ten to the hub); 4, twice 2, written by the hub's spread; 5, the group
// hub under another name; 6 (three to the hub), carried on only when typed, locks or not.
LinkedFieldLayout ownedLayout() {
    LinkedFieldLayout layout;
    layout.hub = 1;
    layout.reading = ReadMode::QuietAlways;
    layout.hubReading = ReadMode::QuietAlways;
    FieldRow twice{4, 2, times({2}), wholeForm, 1, times({0.05L}), wholeForm};
    twice.owner = 1;
    FieldRow alias{5, 2, times({}), wholeForm, 2, times({}), wholeForm};
    alias.copiesText = true;
    FieldRow typed{6, 1, times({3}), wholeForm, 1, times({per(3)}), wholeForm};
    typed.typedOnly = true;
    typed.parentWrite = ParentWrite::UnlessParentActive;
    layout.rows = {
        {2, 1, times({10}), wholeForm, 1, times({0.1L}), wholeForm, RowKind::GroupHub},
        twice,
        alias,
        typed,
    };
    return layout;
}

TEST_F(FieldGraphTest, ARowIsWrittenByTheHubItNamesAsItsOwnerFromTheFieldWrittenBeforeIt) {
    RecordingForm window(ownedLayout());
    window.type(1, QStringLiteral("3"));
    EXPECT_EQ(window.text(2), QStringLiteral("30"));
    EXPECT_EQ(window.text(4), QStringLiteral("60"));
    window.written.clear();
    // The group hub writes the hub, whose spread writes 4: the group hub's own spread does not.
    window.type(2, QStringLiteral("5"));
    EXPECT_EQ(window.text(4), QStringLiteral("10"));
    EXPECT_EQ(std::count(window.written.begin(), window.written.end(), 4), 1);
}

TEST_F(FieldGraphTest, TwoNamesOfOneUnitTakeEachOthersTextAsItStands) {
    RecordingForm window(ownedLayout());
    window.type(2, QStringLiteral("5.50"));
    EXPECT_EQ(window.text(5), QStringLiteral("5.50"));
    window.type(5, QStringLiteral("7.0"));
    EXPECT_EQ(window.text(2), QStringLiteral("7.0"));
    EXPECT_EQ(window.text(1), QStringLiteral("0.7"));
    EXPECT_EQ(window.graph.value(2), 7.0);
}

TEST_F(FieldGraphTest, ARowCarriesOnlyWhatIsTypedIntoItAndPassesTheHubsLock) {
    RecordingForm window(ownedLayout());
    window.type(1, QStringLiteral("2"));
    EXPECT_EQ(window.text(6), QStringLiteral("6"));
    // Written without the input focus: nothing read, nothing carried.
    window.type(6, QStringLiteral("9"));
    EXPECT_EQ(window.text(1), QStringLiteral("2"));
    window.form.show();
    window.graph.field(6)->setFocus();
    window.graph.setLocked(1, true);
    window.graph.setActiveField(6);
    window.graph.field(6)->setText(QStringLiteral("12"));
    EXPECT_EQ(window.text(1), QStringLiteral("4"));
    EXPECT_EQ(window.text(2), QStringLiteral("20")); // the locked hub spreads no further
}

TEST_F(FieldGraphTest, AnEmptiedFieldEmptiesTheWindow) {
    RecordingForm window(graphLayout());
    window.type(1, QStringLiteral("2"));
    window.type(4, QString());
    for (int number = 1; number <= kFields; ++number)
        EXPECT_EQ(window.text(number), QString()) << number;
}

// Hub 1, read under ReadMode::Raising; row 2 (two to the hub) reads only what is typed into it
// and writes the hub unless the hub is locked; row 3 (three to the hub) writes the hub unless
// the hub is being typed in. Typed numbers above 100 are refused and negative ones read as 0.
class TypingForm : public RecordingForm {
public:
    TypingForm()
        : RecordingForm(typingLayout()) {}

    bool typedValue(int number, Ext& typed) override {
        if (typed > Ext(100)) {
            refused.push_back(number);
            return false;
        }
        if (typed < Ext(0)) typed = Ext(0);
        return true;
    }
    void focus(int number) { graph.field(number)->setFocus(); }

    std::vector<int> refused;

private:
    static LinkedFieldLayout typingLayout() {
        LinkedFieldLayout layout;
        layout.reading = ReadMode::Raising;
        FieldRow typedOnly{2, 1, times({2}), wholeForm, 1, times({0.5L}), wholeForm};
        typedOnly.typedOnly = true;
        typedOnly.parentWrite = ParentWrite::UnlessParentLocked;
        FieldRow spared{3, 1, times({3}), wholeForm, 1, times({per(3)}), wholeForm};
        spared.parentWrite = ParentWrite::UnlessParentFocused;
        layout.rows = {typedOnly, spared};
        return layout;
    }
};

TEST_F(FieldGraphTest, ATypedOnlyRowIgnoresTextsItIsNotTypingAndSparesALockedHub) {
    TypingForm window;
    window.focus(2);
    window.type(2, QStringLiteral("4"));
    EXPECT_EQ(window.text(1), QStringLiteral("2"));
    EXPECT_EQ(window.text(3), QStringLiteral("6"));
    // Pasted with no key since the cascade: the locked hub is left alone.
    window.graph.field(2)->setText(QStringLiteral("8"));
    EXPECT_EQ(window.text(1), QStringLiteral("2"));
    // Written while another field has the focus, even emptied, it is not read.
    window.focus(3);
    window.graph.clearLocks();
    window.graph.field(2)->setText(QString());
    EXPECT_EQ(window.text(1), QStringLiteral("2"));
    EXPECT_EQ(window.text(3), QStringLiteral("6"));
}

TEST_F(FieldGraphTest, ARowSparesTheHubWhileTheHubIsTyped) {
    TypingForm window;
    window.focus(3);
    window.type(3, QStringLiteral("12"));
    EXPECT_EQ(window.text(1), QStringLiteral("4"));
    window.focus(1);
    window.type(3, QStringLiteral("30"));
    EXPECT_EQ(window.text(1), QStringLiteral("4"));
}

TEST_F(FieldGraphTest, TheWindowJudgesATypedNumberBeforeItIsNarrowed) {
    TypingForm window;
    window.focus(1);
    window.type(1, QStringLiteral("1E400"));
    window.type(1, QStringLiteral("500"));
    EXPECT_EQ(window.refused, (std::vector<int>{1, 1}));
    EXPECT_EQ(window.text(2), QString());
    EXPECT_TRUE(window.failures.empty());
    window.type(1, QStringLiteral("-7"));
    EXPECT_EQ(window.text(2), QStringLiteral("0"));
    window.type(1, QStringLiteral("7"));
    EXPECT_EQ(window.text(2), QStringLiteral("14"));
}

TEST_F(FieldGraphTest, ARowMayLeaveTheWindowAsItIsWhenItsFieldIsEmptied) {
    const std::function<void(FieldRow&)> settings[] = {
        [](FieldRow& row) { row.reading = ReadMode::RaisingKeep; },
        [](FieldRow& row) { row.unfinishedStops = true; },
    };
    for (const auto& setting : settings) {
        LinkedFieldLayout layout = graphLayout();
        setting(layout.rows[2]); // row 4
        RecordingForm window(std::move(layout));
        window.type(1, QStringLiteral("2"));
        window.type(4, QString());
        EXPECT_EQ(window.text(1), QStringLiteral("2"));
        EXPECT_EQ(window.text(3), QStringLiteral("200"));
        // Unfinished, it stops before reading: the hub keeps its value.
        window.type(4, QStringLiteral("-"));
        EXPECT_EQ(window.text(1), QStringLiteral("2"));
    }
}

TEST_F(FieldGraphTest, TheWindowHearsOfAnEmptiedFieldBeforeItsChangeRuns) {
    RecordingForm window(graphLayout());
    window.type(1, QStringLiteral("2"));
    EXPECT_TRUE(window.emptied.empty());
    window.type(4, QString());
    ASSERT_FALSE(window.emptied.empty());
    EXPECT_EQ(window.emptied.front(), 4);
}

// Too large for row 5's text.
QString boundedForm(double value, QChar separator) {
    if (value > 100) throw std::overflow_error("too large");
    return generalForm(value, separator);
}

TEST_F(FieldGraphTest, AWholeSpreadWritesEveryFieldOrNone) {
    for (const bool whole : {false, true}) {
        LinkedFieldLayout layout = graphLayout();
        layout.wholeSpreads = whole;
        layout.rows[3].form = boundedForm; // row 5, after 2, 3 and 4 in the hub's spread
        RecordingForm window(std::move(layout));
        window.type(1, QStringLiteral("10"));
        window.type(1, QStringLiteral("50"));
        EXPECT_EQ(window.answered, 1);
        EXPECT_EQ(window.text(4), whole ? QStringLiteral("20") : QStringLiteral("100")) << whole;
        // Its value too stays as it was.
        EXPECT_EQ(window.graph.value(1), whole ? 10.0 : 50.0) << whole;
        // A leaf tries its parent's text and spread before writing the parent.
        window.type(1, QStringLiteral("10"));
        window.type(4, QStringLiteral("100"));
        EXPECT_EQ(window.answered, 2);
        EXPECT_EQ(window.text(1), whole ? QStringLiteral("10") : QStringLiteral("50")) << whole;
        EXPECT_EQ(window.text(2), whole ? QStringLiteral("100") : QStringLiteral("500")) << whole;
    }
}

TEST_F(FieldGraphTest, HubsSharingOneLockStopEachOthersSpreadsUntilTheNextKey) {
    LinkedFieldLayout layout = graphLayout();
    layout.sharedHubLock = 0;
    RecordingForm window(std::move(layout));
    window.type(3, QStringLiteral("50"));
    EXPECT_EQ(window.text(2), QStringLiteral("5"));
    EXPECT_EQ(window.text(1), QStringLiteral("0.5"));
    // Group hub 2 took the one lock: the hub, reached through it, spreads no further.
    EXPECT_EQ(window.text(4), QString());
    window.type(1, QStringLiteral("3"));
    EXPECT_EQ(window.text(4), QStringLiteral("6"));
}

TEST_F(FieldGraphTest, AHubWithNoParentWritesNone) {
    LinkedFieldLayout layout = graphLayout();
    layout.rows[0].parentWrite = ParentWrite::Never; // group hub 2
    RecordingForm window(std::move(layout));
    window.type(3, QStringLiteral("50"));
    EXPECT_EQ(window.text(2), QStringLiteral("5"));
    EXPECT_EQ(window.text(6), QStringLiteral("100"));
    EXPECT_EQ(window.text(1), QString());
}

// A paste from the context menu presses no key: the field holds the focus while the hub is
// still the active field.
TEST_F(FieldGraphTest, AFieldWritesItsParentByTheFocusAloneWhateverIsActive) {
    for (const ParentWrite rule : {ParentWrite::WhenFocused, ParentWrite::FocusedAlone}) {
        LinkedFieldLayout layout = graphLayout();
        layout.rows[2].parentWrite = rule; // row 4
        RecordingForm window(std::move(layout));
        window.form.show();
        window.type(1, QStringLiteral("2"));
        window.graph.field(4)->setFocus();
        window.graph.clearLocks();
        window.graph.field(4)->setText(QStringLiteral("10"));
        EXPECT_EQ(window.text(1),
                  rule == ParentWrite::FocusedAlone ? QStringLiteral("5") : QStringLiteral("2"));
    }
}

// The angle window walks its fields on a graph of its own: its unit labels name them too.
TEST_F(FieldGraphTest, TheAngleWindowsFieldsAreNamedByTheirUnitLabels) {
    const std::unique_ptr<QDialog> window(createWindow(QStringLiteral("TFormAngulo"), nullptr));
    ASSERT_TRUE(window);
    const std::pair<const char*, const char*> cases[] = {
        {"Edit1", "radián"},
        {"Edit2", "grado sexagesimal [°]"},
        {"Edit5", "grado centesimal [g]"},
        {"Edit10", "''"},
    };
    for (const auto& [name, unit] : cases) {
        auto* field = window->findChild<EditBox*>(QString::fromLatin1(name));
        ASSERT_TRUE(field) << name;
        EXPECT_EQ(field->accessibleName(), QString::fromUtf8(unit)) << name;
        auto* label =
            window->findChild<QLabel*>(QStringLiteral("Label") + QString::fromLatin1(name).mid(4));
        ASSERT_TRUE(label) << name;
        EXPECT_EQ(label->buddy(), field) << name;
    }
}

} // namespace
} // namespace zerval
